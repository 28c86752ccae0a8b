#include "EditorTestSupport.h"

#include <cmath>

EdgeRect TestGraphic::getScreenRect(DotCanvas& view) {
    const QPoint topLeft = view.dotsToScreen(getX(), getY());
    const QPoint end = view.dotsToScreen(getX() + getWidth(), getY() + getHeight());
    return {topLeft.x(), topLeft.y(), end.x() - 1, end.y() - 1};
}

void TestGraphic::initDefaults(int32_t currentFontNumber) {
    ImageItem::initDefaults(currentFontNumber);
    FontBased = false;
    setWidth(20);
    setHeight(20);
}

int FakeEnvironment::editItem(ImageItem& item, int itemNumber) {
    editedNumbers.push_back(itemNumber);
    return edit ? edit(item) : EditAccepted;
}

ImageItem* FakeEnvironment::pickFromLabelStructure() {
    return nullptr;
}

ItemSnapshot snapshotOf(const ItemList& items) {
    ItemSnapshot copies;
    for (int32_t i = 1; i <= items.count(); ++i)
        copies.push_back(items.at(i)->cloneItem());
    return copies;
}

::testing::AssertionResult sameItems(const ItemSnapshot& expected, const ItemList& items) {
    if (int32_t(expected.size()) != items.count())
        return ::testing::AssertionFailure()
               << items.count() << " items instead of " << expected.size();
    for (int32_t i = 1; i <= items.count(); ++i) {
        const ImageItem& want = *expected[std::size_t(i - 1)];
        const ImageItem& have = *items.at(i);
        const bool same = std::string(want.className()) == have.className() && want.isEqual(have) &&
                          want.FontNumber == have.FontNumber &&
                          want.getWidth() == have.getWidth() &&
                          want.getHeight() == have.getHeight();
        if (!same)
            return ::testing::AssertionFailure()
                   << "item " << i << " differs: at " << have.getX() << "," << have.getY()
                   << " instead of " << want.getX() << "," << want.getY();
    }
    return ::testing::AssertionSuccess();
}

EditorTest::EditorTest() {
    zoom(1.0);
}

void EditorTest::zoom(double factor) {
    editor.setPictureSize({int(std::lround(editor.imageWidth() * factor)),
                           int(std::lround(editor.imageHeight() * factor))});
}

ImageItem& EditorTest::addText(int x, int y, int rotation, const char* text) {
    std::unique_ptr<ImageItem> item = textItemAt(SansFont, x, y, rotation, text);
    ImageItem& added = *item;
    editor.insertItem(editor.items().count() + 1, std::move(item));
    editor.refreshImage();
    return added;
}

ImageItem& EditorTest::addGraphic(int x, int y, int width, int height) {
    std::unique_ptr<TestGraphic> item = ImageItem::createNew<TestGraphic>(SansFont);
    item->setPosition({x, y});
    item->setWidth(width);
    item->setHeight(height);
    ImageItem& added = *item;
    editor.insertItem(editor.items().count() + 1, std::move(item));
    editor.refreshImage();
    return added;
}

void EditorTest::click(EditorState& state, Qt::MouseButton button, QPoint at) {
    state.mouseDown(button, Qt::NoModifier, at.x(), at.y());
    state.mouseUp(button, Qt::NoModifier, at.x(), at.y());
}

void EditorTest::drag(EditorState& state, QPoint from, QPoint to) {
    state.mouseDown(Qt::LeftButton, Qt::NoModifier, from.x(), from.y());
    state.mouseMove(Qt::NoModifier, to.x(), to.y());
    state.mouseUp(Qt::LeftButton, Qt::NoModifier, to.x(), to.y());
}
