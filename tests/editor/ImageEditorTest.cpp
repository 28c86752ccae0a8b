// The editor's own operations: coordinates, partial redraws, pulling items
// in, the clipboard, and undo and redo of every kind of edit.
#include "EditorTestSupport.h"

#include "editor/SelectState.h"
#include "items/GraphicItem.h"
#include "items/MonoBitmap.h"
#include "items/TextItem.h"

namespace {

TEST_F(EditorTest, PullingBringsAnItemInsideFromEverySideAtEveryZoom) {
    for (const double factor : {0.5, 1.0, 1.5, 2.0}) {
        zoom(factor);
        for (int rotation = 0; rotation < 4; ++rotation) {
            for (const QPoint at : {QPoint(10, 150), QPoint(4095, 150), QPoint(2000, 20),
                                    QPoint(2000, 350), QPoint(4095, 350)}) {
                ImageItem& item = addText(at.x(), at.y(), rotation);
                EXPECT_FALSE(editor.isInsideArea(item));
                editor.pullIntoArea(item);
                EXPECT_TRUE(editor.isInsideArea(item))
                    << "zoom " << factor << " rotation " << rotation << " from " << at.x() << ","
                    << at.y();
                editor.takeItem(item);
            }
        }
    }
}

TEST_F(EditorTest, PastedTextStartsWithItsCapitalsAtTheAreaCornerInEveryRotation) {
    for (const double factor : {1.0, 1.5}) {
        zoom(factor);
        for (int rotation = 0; rotation < 4; ++rotation) {
            ImageItem& original = addText(1000, 200, rotation, "TURN");
            editor.select(&original);
            editor.copy();
            ASSERT_TRUE(editor.paste());
            ImageItem& pasted = *editor.items().at(editor.items().count());
            const EdgeRect box = pasted.capitalInkBox(editor.display());
            // Exact at 100 %; a dot may go to rounding at other zooms.
            const QPoint corner = editor.screenToImage({box.Left, box.Top}) - QPoint(55, 55);
            EXPECT_LE(corner.manhattanLength(), factor == 1.0 ? 0 : 1)
                << "rotation " << rotation << " zoom " << factor;
            EXPECT_TRUE(editor.isInsideArea(pasted));
        }
    }
}

TEST_F(EditorTest, ANudgeOutOfTheAreaIsRefused) {
    ImageItem& box = addGraphic(4030, 100, 20, 20);
    editor.select(&box);
    EXPECT_FALSE(editor.Nudge(1, 0));
    EXPECT_EQ(box.getX(), 4030);
    EXPECT_EQ(editor.undoStack().count(), 0);
}

TEST_F(EditorTest, TheHistoryKeepsTheLastHundredSteps) {
    ImageItem& first = addText(1000, 200);
    ImageItem& second = addText(2000, 200);
    for (int i = 0; i <= ImageEditor::UndoLimit; ++i) { // alternating: no two merge
        editor.select(i % 2 ? &second : &first);
        ASSERT_TRUE(editor.Nudge(1, 0));
    }
    EXPECT_EQ(editor.undoStack().count(), ImageEditor::UndoLimit);
    while (editor.undoStack().canUndo())
        editor.undoStack().undo();
    EXPECT_EQ(first.getX(), 1001); // the oldest step is gone
    EXPECT_EQ(second.getX(), 2000);
    EXPECT_TRUE(editor.modified());
}

// Every step of the history keeps copies of the item; a picture's bits are
// shared by all of them, so a long history of a large logo stays small.
TEST_F(EditorTest, UndoStepsShareAGraphicsBitmap) {
    auto made = ImageItem::createNew<GraphicItem>(SansFont);
    made->takeBitmap(MonoBitmap::blank(200, 100));
    made->setPosition({600, 120});
    const uchar* bits = made->Bitmap.constBits();
    ASSERT_TRUE(editor.placeItem(std::move(made)));
    auto& graphic = static_cast<GraphicItem&>(*editor.items().at(1));
    for (const int x : {700, 800, 900}) {
        const std::unique_ptr<ImageItem> before = graphic.cloneItem();
        editor.moveWithinArea(graphic, {x, 120});
        editor.recordChange(graphic, *before, QStringLiteral("Move"));
    }
    while (editor.undoStack().index() > 1)
        editor.undoStack().undo();
    editor.undoStack().redo();
    EXPECT_EQ(graphic.getX(), 700);
    EXPECT_EQ(graphic.Bitmap.constBits(), bits);
}

TEST_F(EditorTest, AnAreaByNumbersMustLieWithinTheImageAndHoldEveryItem) {
    addText(1000, 200);
    EXPECT_FALSE(editor.defineArea({0, 0, 4101, 356}));
    EXPECT_FALSE(editor.defineArea({500, 0, 450, 356})); // a negative width
    EXPECT_EQ(prompter.texts(), QStringList(2, "Error - restricted area too large"));
    EXPECT_FALSE(editor.defineArea({0, 0, 900, 356}));
    EXPECT_EQ(prompter.texts().last(), "Error - there would be objects outside the area.");
    EXPECT_EQ(editor.display().areaRect(), (DotRect{0, 0, 4100, 356}));
    EXPECT_TRUE(editor.defineArea({800, 10, 2000, 300}));
    EXPECT_EQ(editor.display().areaRect(), (DotRect{800, 10, 2000, 300}));
}

TEST_F(EditorTest, ANewOrLoadedImageStartsWithoutHistoryClipboardOrSelection) {
    ImageItem& item = addText(1000, 200);
    editor.select(&item);
    editor.copy();
    editor.Nudge(5, 0);
    ItemList loaded;
    loaded.append(textItemAt(SansFont, 300, 150, 0, "A"));
    const ItemSnapshot expected = snapshotOf(loaded);
    editor.replaceImage(loaded);
    EXPECT_TRUE(sameItems(expected, editor.items()));
    EXPECT_EQ(editor.selectedItem(), nullptr);
    EXPECT_EQ(editor.clipboardItem(), nullptr);
    EXPECT_EQ(editor.undoStack().count(), 0);
    EXPECT_FALSE(editor.modified());
}

TEST(EditStepNames, NameTheItemsKindInLowerCaseOnlyInsideTheText) {
    const struct {
        const char* step;
        const char* kind;
        const char* named;
    } rows[] = {
        {"Move %1 item", "Text", "Move text item"},
        {"Move %1 item", "EAN8", "Move EAN8 item"},
        {"Move %1 item", "UPC-A", "Move UPC-A item"},
        {"Move %1 item", "Code 128", "Move code 128 item"},
        {"%1-Element verschieben", "Text", "Text-Element verschieben"},
        {"Déplacer l'élément %1", "Numérique", "Déplacer l'élément numérique"},
        {"Change properties", "Text", "Change properties"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(EditStepNames::forItem(QString::fromUtf8(row.step), QString::fromUtf8(row.kind)),
                  QString::fromUtf8(row.named));
}

// One kind of edit, made on an image of three text items, the second
// selected.
struct Edit {
    const char* name;
    void (*make)(ImageEditor&, EditorEnvironment&);
    const char* step; // the step's name in the history
};

class UndoTest : public EditorTest, public ::testing::WithParamInterface<Edit> {};

TEST_P(UndoTest, UndoAndRedoRestoreTheExactItemList) {
    addText(300, 150, 0, "ONE");
    ImageItem& selected = addText(1200, 200, 1, "TWO");
    addText(2500, 120, 3, "THREE");
    ASSERT_TRUE(editor.allItemsInside(editor.display().areaRect()));
    editor.select(&selected);
    const ItemSnapshot before = snapshotOf(editor.items());
    const DotRect areaBefore = editor.display().areaRect();

    GetParam().make(editor, env);
    const ItemSnapshot after = snapshotOf(editor.items());
    const DotRect areaAfter = editor.display().areaRect();
    ASSERT_TRUE(editor.modified());
    ASSERT_EQ(editor.undoStack().count(), 1);
    EXPECT_EQ(editor.undoStack().undoText(), GetParam().step);

    editor.undoStack().undo();
    EXPECT_TRUE(sameItems(before, editor.items()));
    EXPECT_EQ(editor.display().areaRect(), areaBefore);
    EXPECT_FALSE(editor.modified());
    editor.undoStack().redo();
    EXPECT_TRUE(sameItems(after, editor.items()));
    EXPECT_EQ(editor.display().areaRect(), areaAfter);
    EXPECT_TRUE(editor.modified());
    editor.undoStack().undo();
    EXPECT_TRUE(sameItems(before, editor.items()));
}

void dragSelected(ImageEditor& editor, EditorEnvironment& env) {
    const EdgeRect r = editor.selectedItem()->getScreenRect(editor.display());
    SelectState state(env);
    state.mouseDown(Qt::LeftButton, Qt::NoModifier, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    for (int x = 1200; x <= 1230; x += 10)
        state.mouseMove(Qt::NoModifier, x, 180);
    state.mouseUp(Qt::LeftButton, Qt::NoModifier, 1230, 180);
}

// As a right click on the item and its dialog's OK.
void changeProperties(ImageEditor& editor, EditorEnvironment& env) {
    static_cast<FakeEnvironment&>(env).edit = [](ImageItem& item) {
        item.Rotation = 0;
        static_cast<TextItem&>(item).Text = "CHANGED";
        return EditAccepted;
    };
    const EdgeRect r = editor.selectedItem()->getScreenRect(editor.display());
    SelectState state(env);
    const QPoint at((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    state.mouseDown(Qt::RightButton, Qt::NoModifier, at.x(), at.y());
    state.mouseUp(Qt::RightButton, Qt::NoModifier, at.x(), at.y());
}

using Env = EditorEnvironment;

INSTANTIATE_TEST_SUITE_P(
    EveryEdit, UndoTest,
    ::testing::Values(
        Edit{"Place",
             [](ImageEditor& e, Env&) { e.placeItem(textItemAt(BoldFont, 1800, 200, 0, "NEW")); },
             "Place text item"},
        Edit{"Drag", dragSelected, "Move text item"},
        Edit{"Nudge", [](ImageEditor& e, Env&) { e.Nudge(0, 40); }, "Move text item"},
        Edit{"Properties", changeProperties, "Change properties"},
        Edit{"Cut", [](ImageEditor& e, Env&) { e.cut(); }, "Cut text item"},
        Edit{"Delete", [](ImageEditor& e, Env&) { e.deleteItem(); }, "Delete text item"},
        Edit{"Paste",
             [](ImageEditor& e, Env&) {
                 e.copy();
                 e.paste();
             },
             "Paste text item"},
        Edit{"Justify", [](ImageEditor& e, Env&) { e.setJustification(3); }, "Justify text item"},
        Edit{"Font", [](ImageEditor& e, Env&) { e.setFontNumber(SerifFont); },
             "Change font of text item"},
        Edit{"Area",
             [](ImageEditor& e, Env&) {
                 e.defineArea({100, 0, 3900, 356});
             },
             "Change restricted area"}),
    [](const ::testing::TestParamInfo<Edit>& info) { return std::string(info.param.name); });

} // namespace
