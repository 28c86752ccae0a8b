// The editor states driven through a fake window: placing, selecting,
// dragging, editing and drawing the restricted area.
#include "EditorTestSupport.h"

#include "editor/AreaDrawState.h"
#include "editor/PlaceItemState.h"
#include "editor/SelectState.h"
#include "items/ItemKinds.h"
#include "items/TextItem.h"
#include "texts/Messages.h"

namespace {

// The graphic stand-in's entry: placed items count against the graphic limit.
const ItemKind& testGraphicKind() {
    static const ItemKind kind = [] {
        ItemKind made;
        made.typeCode = TestGraphic::TypeCode;
        made.limitClass = ItemLimitClass::Graphics;
        made.makeBlank = [] { return std::unique_ptr<ImageItem>(std::make_unique<TestGraphic>()); };
        return made;
    }();
    return kind;
}

// A dot well inside an item's picture.
QPoint inside(ImageEditor& editor, ImageItem& item) {
    const EdgeRect r = item.getScreenRect(editor.display());
    return editor.screenToImage({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
}

TEST(GridSnap, PutsCoordinatesOnTheGridThatStartsAtTheMargin) {
    EXPECT_EQ(snapToGrid(61, 8), 58); // 61 − 5 + 2
    EXPECT_EQ(snapToGrid(63, 8), 58);
    EXPECT_EQ(snapToGrid(64, 8), 64); // a multiple of the pitch stays
    EXPECT_EQ(snapToGrid(61, 0), 61);
}

class PlaceItemStateTest : public EditorTest {};

TEST_F(PlaceItemStateTest, PlacesTheConfirmedItemAtTheClickAndTellsItsNumber) {
    addText(300, 150);
    PlaceItemState state(env, textItemKind());
    click(state, Qt::LeftButton, {1000, 200});
    ASSERT_EQ(editor.items().count(), 2);
    EXPECT_EQ(editor.items().at(2)->getPosition(), QPoint(1000, 200));
    EXPECT_EQ(env.editedNumbers, std::vector<int>{2});
    EXPECT_TRUE(editor.modified());

    env.edit = [](ImageItem&) { return 0; }; // Cancel
    click(state, Qt::LeftButton, {2000, 200});
    EXPECT_EQ(editor.items().count(), 2);
    click(state, Qt::RightButton, {2000, 200}); // creates nothing, asks nothing
    EXPECT_EQ(editor.items().count(), 2);
    EXPECT_EQ(env.editedNumbers.size(), 2u);
}

TEST_F(PlaceItemStateTest, TheItemLimitCountsEverythingButGraphicsAndGraphicsApart) {
    env.limits = {2, 1};
    addText(300, 150);
    addGraphic(600, 100, 20, 20);
    PlaceItemState text(env, textItemKind());
    click(text, Qt::LeftButton, {1000, 200}); // N − G = 1: allowed
    click(text, Qt::LeftButton, {1500, 200}); // N − G = 2: the limit
    EXPECT_EQ(editor.items().count(), 3);
    EXPECT_EQ(prompter.texts(), QStringList{"Error - no more than 2 items allowed per label"});
    EXPECT_EQ(env.editedNumbers.size(), 1u); // no dialog for the refused one

    PlaceItemState graphic(env, testGraphicKind());
    click(graphic, Qt::LeftButton, {2000, 200}); // G = 1: the graphic limit
    EXPECT_EQ(prompter.texts().last(), "Error - no more than 1 graphic items allowed per label");
    env.limits = {2, 2};
    click(graphic, Qt::LeftButton, {2000, 200}); // graphics do not count as items
    EXPECT_EQ(editor.items().count(), 4);
}

TEST_F(PlaceItemStateTest, AnItemPlacedAcrossTheEdgeIsPulledInOrRefused) {
    PlaceItemState state(env, testGraphicKind());
    click(state, Qt::LeftButton, {4040, 340}); // 20 × 20 over the right and bottom edges
    ASSERT_EQ(editor.items().count(), 1);
    EXPECT_EQ(editor.items().at(1)->getPosition(), QPoint(4030, 286));

    env.edit = [](ImageItem& item) {
        item.setHeight(300); // taller than the 256 dots of the area
        return EditAccepted;
    };
    click(state, Qt::LeftButton, {1000, 100});
    EXPECT_EQ(editor.items().count(), 1);
    EXPECT_EQ(prompter.texts(), QStringList{"Error - cannot place object here."});
}

class SelectStateTest : public EditorTest {};

TEST_F(SelectStateTest, DraggingAgainstTheAreaEdgeRefusesTheMove) {
    ImageItem& item = addText(3900, 150);
    SelectState state(env);
    const QPoint grip = inside(editor, item);
    state.mouseDown(Qt::LeftButton, Qt::NoModifier, grip.x(), grip.y());
    state.mouseMove(Qt::NoModifier, 4090, 150);
    EXPECT_TRUE(editor.isInsideArea(item));
    EXPECT_TRUE(env.pointer.empty());           // the pointer goes where the user takes it
    state.mouseMove(Qt::NoModifier, 3950, 500); // below the image
    state.mouseUp(Qt::LeftButton, Qt::NoModifier, 3950, 500);
    EXPECT_TRUE(editor.isInsideArea(item));
}

TEST_F(SelectStateTest, TheRightButtonEditsAndAChangeThatCannotFitIsUndone) {
    addText(300, 150);
    ImageItem& box = addGraphic(1000, 100, 20, 20);
    SelectState state(env);
    env.edit = [](ImageItem& item) {
        item.setX(4070); // across the right edge: pulled back in
        return EditAccepted;
    };
    click(state, Qt::RightButton, inside(editor, box));
    EXPECT_EQ(env.editedNumbers, std::vector<int>{2});
    EXPECT_EQ(box.getX(), 4030);
    editor.setModified(false);

    env.edit = [](ImageItem& item) {
        item.setWidth(5000); // wider than the area: no pull helps
        return EditAccepted;
    };
    click(state, Qt::RightButton, inside(editor, box));
    EXPECT_EQ(prompter.texts(), QStringList{"Error - change would place object outside area."});
    EXPECT_EQ(box.getWidth(), 20);
    EXPECT_EQ(box.getX(), 4030);
    EXPECT_FALSE(editor.modified());
}

class AreaDrawStateTest : public EditorTest {};

TEST_F(AreaDrawStateTest, AnAreaThatWouldLeaveAnItemOutsideIsRestored) {
    addText(1000, 150);
    const DotRect whole = editor.display().areaRect();
    {
        AreaDrawState state(env);
        state.mouseDown(Qt::LeftButton, Qt::NoModifier, 60, 60);
        EXPECT_FALSE(env.timerRunning); // no minute refresh while drawing
        state.mouseMove(Qt::NoModifier, 500, 200);
        state.mouseUp(Qt::LeftButton, Qt::NoModifier, 500, 200);
    }
    EXPECT_EQ(prompter.texts(), QStringList{"Error - there would be objects outside the area."});
    EXPECT_EQ(editor.display().areaRect(), whole);
    EXPECT_TRUE(env.timerRunning);
    EXPECT_FALSE(editor.modified());

    AreaDrawState state(env);
    drag(state, {2000, 200}, {60, 60}); // drawn towards the top left
    EXPECT_EQ(editor.display().areaRect(), (DotRect{10, 10, 2050, 250}));
}

TEST_F(AreaDrawStateTest, AClickOrALineLeavesTheAreaAsItWas) {
    const DotRect whole = editor.display().areaRect();
    for (const QPoint to : {QPoint(600, 200), QPoint(900, 200), QPoint(600, 120)}) {
        AreaDrawState state(env);
        drag(state, {600, 200}, to);
        EXPECT_EQ(editor.display().areaRect(), whole) << to.x() << ',' << to.y();
        EXPECT_TRUE(env.timerRunning);
    }
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_FALSE(editor.modified());

    PlaceItemState place(env, textItemKind()); // and items still find room
    click(place, Qt::LeftButton, {1000, 200});
    EXPECT_EQ(editor.items().count(), 1);
}

} // namespace
