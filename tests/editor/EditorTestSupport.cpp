#include "EditorTestSupport.h"

#include <cmath>

EdgeRect TestGraphic::GetScreenRect(NebraDisplay& view) {
    const QPoint topLeft = view.DotsToScreen(GetX(), GetY());
    const QPoint end = view.DotsToScreen(GetX() + GetWidth(), GetY() + GetHeight());
    return {topLeft.x(), topLeft.y(), end.x() - 1, end.y() - 1};
}

void TestGraphic::InitDefaults(int32_t currentFontNumber) {
    ImageItem::InitDefaults(currentFontNumber);
    FontBased = false;
    SetWidth(20);
    SetHeight(20);
}

int FakeEnvironment::EditItem(ImageItem& item, int itemNumber) {
    editedNumbers.push_back(itemNumber);
    return edit ? edit(item) : EditAccepted;
}

ImageItem* FakeEnvironment::PickFromLabelStructure() {
    return nullptr;
}

ItemSnapshot snapshotOf(const ImagePList& items) {
    ItemSnapshot copies;
    for (int32_t i = 1; i <= items.Count(); ++i)
        copies.push_back(items.At(i)->CloneItem());
    return copies;
}

::testing::AssertionResult sameItems(const ItemSnapshot& expected, const ImagePList& items) {
    if (int32_t(expected.size()) != items.Count())
        return ::testing::AssertionFailure()
               << items.Count() << " items instead of " << expected.size();
    for (int32_t i = 1; i <= items.Count(); ++i) {
        const ImageItem& want = *expected[std::size_t(i - 1)];
        const ImageItem& have = *items.At(i);
        const bool same = std::string(want.ClassName()) == have.ClassName() && want.IsEqual(have) &&
                          want.FontNumber == have.FontNumber &&
                          want.GetWidth() == have.GetWidth() &&
                          want.GetHeight() == have.GetHeight();
        if (!same)
            return ::testing::AssertionFailure()
                   << "item " << i << " differs: at " << have.GetX() << "," << have.GetY()
                   << " instead of " << want.GetX() << "," << want.GetY();
    }
    return ::testing::AssertionSuccess();
}

EditorTest::EditorTest() {
    zoom(1.0);
}

void EditorTest::zoom(double factor) {
    editor.SetPictureSize({int(std::lround(editor.ImageWidth() * factor)),
                           int(std::lround(editor.ImageHeight() * factor))});
}

ImageItem& EditorTest::addText(int x, int y, int rotation, const char* text) {
    std::unique_ptr<ImageItem> item = textItemAt(SansFont, x, y, rotation, text);
    ImageItem& added = *item;
    editor.InsertItem(editor.Items().Count() + 1, std::move(item));
    editor.RefreshImage();
    return added;
}

ImageItem& EditorTest::addGraphic(int x, int y, int width, int height) {
    std::unique_ptr<TestGraphic> item = ImageItem::CreateNew<TestGraphic>(SansFont);
    item->SetPosition({x, y});
    item->SetWidth(width);
    item->SetHeight(height);
    ImageItem& added = *item;
    editor.InsertItem(editor.Items().Count() + 1, std::move(item));
    editor.RefreshImage();
    return added;
}

void EditorTest::click(MState& state, Qt::MouseButton button, QPoint at) {
    state.MouseDown(button, Qt::NoModifier, at.x(), at.y());
    state.MouseUp(button, Qt::NoModifier, at.x(), at.y());
}

void EditorTest::drag(MState& state, QPoint from, QPoint to) {
    state.MouseDown(Qt::LeftButton, Qt::NoModifier, from.x(), from.y());
    state.MouseMove(Qt::NoModifier, to.x(), to.y());
    state.MouseUp(Qt::LeftButton, Qt::NoModifier, to.x(), to.y());
}
