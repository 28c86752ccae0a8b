// The main window's editing, driven as a user drives it: tool buttons, mouse
// clicks and drags on the picture, keys, and the dialogs they open.
#include "editor/SelectState.h"
#include "items/BarcodeItem.h"
#include "items/FieldItem.h"
#include "items/GraphicItem.h"
#include "items/MultiLineTextItem.h"
#include "items/TimeItem.h"

#include "DrivenWindowFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace {

// The main window on the widest model (4000 × 256 dots), at most three
// items besides graphics.
class MainWindowEditTest : public DrivenWindowFixture {
protected:
    static constexpr const char* Settings =
        "[MainForm]\nMaxItemsPerLabel=3\nWidth=900\nHeight=600\n"
        "[SelectPrinter]\nLastUsed=2\n";
    void SetUp() override { openWindow(Settings); }
    bool selecting() const {
        return dynamic_cast<SelectState*>(&window->surface().State()) != nullptr &&
               window->action("ItemMenuSelectItem")->isChecked();
    }
};

// The same window with the real prompter.
class RealDialogEditTest : public MainWindowEditTest {
protected:
    void SetUp() override { openWindow(Settings, true); }
};

const QString NoShifts = QStringLiteral("Shift Codes Must Be Defined");

// In the shift times dialog: a new shift on a day, at a start, with a code.
void addShift(QDialog& d, int day, const char* start, const char* code) {
    auto* days = control<QComboBox>(d, "NewDayComboBox");
    days->setCurrentIndex(day);
    emit days->activated(day);
    typeInto(control<QLineEdit>(d, "NewShiftStartEdit"), QLatin1String(start));
    typeInto(control<QLineEdit>(d, "NewShiftcodeEdit"), QLatin1String(code));
    click(d, "AddButton");
}

ModalDriver::Step typeTextAndConfirm(const char* text) {
    return [text](QWidget& w) {
        auto& dialog = static_cast<QDialog&>(w);
        typeInto(control<QLineEdit>(dialog, "TextEdit"), QLatin1String(text));
        click(dialog, "OKBtn");
    };
}

TEST_F(MainWindowEditTest, DeleteCutsTheSelectedItemAndDoesNothingWithoutOne) {
    ImageItem& item = addText({300, 200});
    key(Qt::Key_Delete);
    EXPECT_EQ(editor().items().count(), 1);
    clickOn(item);
    key(Qt::Key_Delete);
    EXPECT_EQ(editor().items().count(), 0);
    EXPECT_TRUE(window->action("EditMenuPaste")->isEnabled());

    key(Qt::Key_V, Qt::ControlModifier);
    key(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(editor().items().count(), 2);
    EXPECT_EQ(editor().items().at(1)->getPosition(), editor().items().at(2)->getPosition());
    EXPECT_EQ(editor().selectedItem(), editor().items().at(2)); // the pasted item
    EXPECT_EQ(window->action("EditMenuUndo")->text(), "&Undo Paste text item");
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(editor().items().count(), 1);
    EXPECT_EQ(editor().items().at(1)->getPosition(), QPoint(300, 200));
    EXPECT_FALSE(window->modified());
    EXPECT_EQ(window->action("EditMenuRedo")->text(), "&Redo Delete text item");
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(editor().items().count(), 0);
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Y, Qt::ControlModifier); // the other redo key
    EXPECT_EQ(editor().items().count(), 0);
    EXPECT_EQ(window->action("EditMenuRedo")->text(), "&Redo Paste text item");
}

TEST_F(MainWindowEditTest, AMouseDragSnapsTheItemToTheGridAndUndoesInOneStep) {
    data->setPitch(8);
    data->setSnapOn(true);
    ImageItem& item = addText({300, 200});
    const QPoint from = grip(item);
    QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(image, from + QPoint(-237, -35)); // the anchor to (63, 165)
    EXPECT_EQ(panel(0), "X: 8");                       // snapped while dragging
    QTest::mouseRelease(image, Qt::LeftButton, Qt::NoModifier, from + QPoint(-237, -35));
    EXPECT_EQ(item.getPosition(), QPoint(58, 162));
    EXPECT_TRUE(pointer.empty()); // the pointer stays where the user took it
    EXPECT_EQ(editor().undoStack().count(), 1);
    EXPECT_EQ(window->action("EditMenuUndo")->text(), "&Undo Move text item");
    window->action("EditMenuUndo")->trigger();
    EXPECT_EQ(item.getPosition(), QPoint(300, 200));
}

// A click that shakes by a pixel is still a click: the item is selected
// where it is, off the grid as it was, and the pointer is left alone.
TEST_F(MainWindowEditTest, AClickSelectsWithoutMovingTheItemOrThePointer) {
    data->setPitch(8);
    data->setSnapOn(true);
    ImageItem& item = addText({301, 203});
    const QPoint from = grip(item);
    QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(image, from + QPoint(1, 0));
    QTest::mouseRelease(image, Qt::LeftButton, Qt::NoModifier, from + QPoint(1, 0));
    EXPECT_EQ(editor().selectedItem(), &item);
    EXPECT_EQ(item.getPosition(), QPoint(301, 203));
    EXPECT_TRUE(pointer.empty());
    EXPECT_EQ(editor().undoStack().count(), 0);
    EXPECT_FALSE(window->modified());
}

// The keys of the picture: Tab walks round the items, Shift+Tab back (from
// no selection to the last), the arrows nudge by a dot and with Shift by the
// grid's pitch.
TEST_F(MainWindowEditTest, TabSelectsTheNextItemAndShiftArrowsNudgeByThePitch) {
    data->setPitch(8);
    ImageItem& first = addText({300, 200});
    ImageItem& second = addText({1000, 200});
    window->surface().setFocus();
    const auto press = [](Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), k, mods);
    };
    const struct {
        Qt::KeyboardModifiers mods;
        ImageItem* selected;
    } walk[] = {{Qt::ShiftModifier, &second}, {Qt::NoModifier, &first},
                {Qt::NoModifier, &second},    {Qt::NoModifier, &first}, // round again
                {Qt::ShiftModifier, &second}, {Qt::ShiftModifier, &first}};
    for (const auto& step : walk) {
        press(Qt::Key_Tab, step.mods);
        EXPECT_EQ(editor().selectedItem(), step.selected);
    }
    EXPECT_TRUE(window->surface().isAncestorOf(QApplication::focusWidget()));

    press(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(first.getPosition(), QPoint(308, 200));
    press(Qt::Key_Down);
    EXPECT_EQ(first.getPosition(), QPoint(308, 201));
    press(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(first.getPosition(), QPoint(308, 193));
    EXPECT_EQ(second.getPosition(), QPoint(1000, 200));
}

// Each row: what happens between two pairs of nudges of the first item, how
// many steps the history then holds, and where one undo leaves the item.
class NudgeInterruptionTest;
struct Interruption {
    const char* name;
    void (*between)(NudgeInterruptionTest&, ImageItem& second);
    int steps;
    QPoint afterUndo;
};
void PrintTo(const Interruption& row, std::ostream* out) {
    *out << row.name;
}

class NudgeInterruptionTest : public MainWindowEditTest,
                              public ::testing::WithParamInterface<Interruption> {
public:
    using MainWindowEditTest::clickOn;
    using MainWindowEditTest::key;
    using MainWindowEditTest::window;
};

TEST_P(NudgeInterruptionTest, DecidesWhetherTheNudgesAreOneStep) {
    ImageItem& first = addText({300, 200});
    ImageItem& second = addText({1000, 200});
    clickOn(first);
    key(Qt::Key_Left);
    key(Qt::Key_Left);
    GetParam().between(*this, second);
    clickOn(first);
    key(Qt::Key_Left);
    key(Qt::Key_Left);
    EXPECT_EQ(editor().undoStack().count(), GetParam().steps);

    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(first.getPosition(), GetParam().afterUndo);
}

void selectAndNudgeUp(NudgeInterruptionTest& t, ImageItem& second) {
    t.clickOn(second);
    t.key(Qt::Key_Up);
}

void copyAndPaste(NudgeInterruptionTest& t, ImageItem&) {
    t.key(Qt::Key_C, Qt::ControlModifier);
    t.key(Qt::Key_V, Qt::ControlModifier);
}

INSTANTIATE_TEST_SUITE_P(
    Between, NudgeInterruptionTest,
    ::testing::Values(
        Interruption{"OnlyAClick", [](NudgeInterruptionTest&, ImageItem&) {}, 1, {300, 200}},
        Interruption{"ANudgeOfAnotherItem", selectAndNudgeUp, 3, {298, 200}},
        Interruption{"APaste", copyAndPaste, 3, {298, 200}},
        Interruption{"ASave",
                     [](NudgeInterruptionTest& t, ImageItem&) { t.window->setModified(false); },
                     2,
                     {298, 200}}),
    [](const ::testing::TestParamInfo<Interruption>& info) {
        return std::string(info.param.name);
    });

TEST_F(MainWindowEditTest, FontBoxesAndJustificationFollowTheItemThroughUndoAndRedo) {
    ImageItem& item = addText({300, 200}); // Sans 12
    clickOn(item);
    auto* size = window->findChild<QComboBox*>("FontSizeBox");
    QAction* justify = window->action("FormatMenuTopJustify");
    ASSERT_EQ(size->currentText(), "12");
    size->setCurrentIndex(1); // as picked from its list
    emit size->activated(1);
    justify->trigger();
    ASSERT_EQ(item.FontNumber, 2);
    ASSERT_EQ(item.Justification, 1);

    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(justify->isChecked());
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(size->currentText(), "12");
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(size->currentText(), "16");
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(justify->isChecked());
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(size->currentText(), "12");

    // The next new item takes the font the boxes show.
    window->action("ItemMenuTextItem")->trigger();
    prompter.dialogScripts.push_back(script([](QDialog& d) {
        typeInto(control<QLineEdit>(d, "TextEdit"), "NEW");
        click(d, "OKBtn");
    }));
    QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, QPoint(1500, 200));
    ASSERT_EQ(editor().items().count(), 2);
    EXPECT_EQ(editor().items().at(2)->FontNumber, 1);
}

// The item's dialog and the limit message run inside the press on the
// picture, and their modal loops take the release: the press alone must end
// the placing.
TEST_F(RealDialogEditTest, PlacingIsOneShotThoughTheDialogTakesTheRelease) {
    ModalDriver user{typeTextAndConfirm("HELLO")};
    window->action("ItemMenuTextItem")->trigger();
    QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, QPoint(400, 200));
    EXPECT_TRUE(user.allStepsTaken());
    ASSERT_EQ(editor().items().count(), 1);
    const auto& placed = static_cast<const TextItem&>(*editor().items().at(1));
    EXPECT_EQ(placed.Text, "HELLO");
    EXPECT_EQ(placed.getPosition(), QPoint(400, 200));
    EXPECT_TRUE(window->modified());
    EXPECT_TRUE(window->action("ItemMenuSelectItem")->isChecked());
    EXPECT_NE(dynamic_cast<SelectState*>(&window->surface().State()), nullptr);
    QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, QPoint(1500, 200));
    EXPECT_EQ(user.unexpected, 0);
    EXPECT_EQ(editor().items().count(), 1);

    addText({2000, 200});
    addText({2500, 200}); // the limit of three
    user.add([](QWidget& w) {
        auto& box = static_cast<QMessageBox&>(w);
        EXPECT_EQ(box.text(), "Error - no more than 3 items allowed per label");
        box.accept();
    });
    window->action("ItemMenuTextItem")->trigger();
    QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, QPoint(3000, 200));
    EXPECT_TRUE(user.allStepsTaken());
    EXPECT_TRUE(window->action("ItemMenuSelectItem")->isChecked());
    QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, QPoint(3500, 200));
    EXPECT_EQ(user.unexpected, 0);
    EXPECT_EQ(user.met.size(), 2);
    EXPECT_EQ(editor().items().count(), 3);
}

// A one-bit Windows bitmap of 16 × 2 dots with a dot at the top left.
QString writeLogo(const QString& folder) {
    QImage dots(16, 2, QImage::Format_Mono);
    dots.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    dots.fill(0);
    dots.setPixel(0, 0, 1);
    const QString path = folder + QStringLiteral("/logo.bmp");
    EXPECT_TRUE(dots.save(path, "BMP"));
    return path;
}

TEST_F(MainWindowEditTest, ADroppedBitmapBecomesAGraphicWhereItFalls) {
    const QString logo = writeLogo(folders.settingsDir());
    // Any other file goes on to the window, which opens images.
    EXPECT_TRUE(dropFile(image, folders.iniPath(), QPoint(400, 100)));
    ASSERT_TRUE(eventually([this] { return !prompter.shown.empty(); }));
    EXPECT_TRUE(prompter.shown[0].text.contains("Not a Tolvane image file"));
    prompter.shown.clear();
    ASSERT_TRUE(dropFile(image, logo, QPoint(400, 100)));
    ASSERT_EQ(editor().items().count(), 1);
    const auto& placed = static_cast<const GraphicItem&>(*editor().items().at(1));
    EXPECT_EQ(placed.getPosition(), QPoint(400, 100));
    EXPECT_EQ(placed.getWidth(), 16);
    EXPECT_EQ(placed.getHeight(), 2);
    EXPECT_TRUE(window->modified());
    window->action("EditMenuUndo")->trigger();
    EXPECT_EQ(editor().items().count(), 0);

    // Graphics count against their own limit, two by default.
    dropFile(image, logo, QPoint(400, 100));
    dropFile(image, logo, QPoint(800, 100));
    EXPECT_TRUE(prompter.shown.empty());
    dropFile(image, logo, QPoint(1200, 100));
    EXPECT_EQ(editor().items().count(), 2);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Error - no more than 2 graphic items allowed per label");
}

// Enter, Item > Properties and a double click open the selected item's own
// dialog, as a right click does.
TEST_F(RealDialogEditTest, EnterAndADoubleClickOpenTheSelectedItemsProperties) {
    ImageItem& item = addText({300, 200});
    QAction* properties = window->action("ItemMenuProperties");
    EXPECT_FALSE(properties->isEnabled());
    EXPECT_TRUE(window->findChild<QMenu*>("ItemMenu")->actions().contains(properties));
    clickOn(item);
    EXPECT_TRUE(properties->isEnabled());

    ModalDriver user{typeTextAndConfirm("NEW"), [](QWidget& w) {
                         EXPECT_EQ(w.objectName(), "TxtIPropEdForm");
                         static_cast<QDialog&>(w).reject();
                     }};
    window->surface().setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(item.getDataText(), "NEW");
    EXPECT_EQ(window->action("EditMenuUndo")->text(), "&Undo Change properties");
    QTest::mouseDClick(image, Qt::LeftButton, Qt::NoModifier, grip(item));
    EXPECT_EQ(user.met, (QStringList{"TextItemDialog", "TextItemDialog"}));
    EXPECT_EQ(user.unexpected, 0);
    EXPECT_EQ(editor().undoStack().count(), 1);
    EXPECT_EQ(item.getPosition(), QPoint(300, 200));
}

// The designer's clock drives what the item shows, minute by minute.
TEST_F(MainWindowEditTest, ATimeItemShowsTheClockFromItsPlacing) {
    window->action("ItemMenuTimeItem")->trigger();
    prompter.dialogScripts.push_back(script([](QDialog& d) {
        click(d, "Format24HrCB");
        click(d, "OKBtn");
    }));
    QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, QPoint(400, 200));
    EXPECT_EQ(prompter.dialogsRun, QStringList{"TIPropEdForm"});
    ASSERT_EQ(editor().items().count(), 1);
    const auto& placed = dynamic_cast<const TimeItem&>(*editor().items().at(1));
    EXPECT_EQ(placed.TimeText, "10:15");
    clock.advanceSecs(60);
    window->minuteTick();
    EXPECT_EQ(placed.TimeText, "10:16");
}

// The same flow with the real dialogs and message box in their modal loops.
TEST_F(RealDialogEditTest, ShiftsAreDefinedAndAShiftCodePlacedInTheRealDialogs) {
    ModalDriver user{
        [](QWidget& w) {
            auto& box = static_cast<QMessageBox&>(w);
            EXPECT_EQ(box.text(), NoShifts);
            box.accept();
        },
        [](QWidget& w) {
            auto& d = static_cast<QDialog&>(w);
            addShift(d, 1, "06:00", "A");
            addShift(d, 1, "14:00", "B");
            click(d, "OKButton");
        },
        [](QWidget& w) { click(static_cast<QDialog&>(w), "OKBtn"); },
    };
    window->action("ItemMenuShiftCodeItem")->trigger();
    EXPECT_TRUE(selecting());
    window->action("OptionsMenuShiftTimes")->trigger();
    EXPECT_EQ(window->shiftTable().count(), 2);
    EXPECT_TRUE(window->modified()); // the table is saved with the image
    window->action("ItemMenuShiftCodeItem")->trigger();
    QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, QPoint(400, 200));
    EXPECT_TRUE(user.allStepsTaken());
    EXPECT_EQ(user.unexpected, 0);
    EXPECT_EQ(user.met, (QStringList{"QMessageBox", "ShiftTimesDialog", "ShiftCodeItemDialog"}));
    EXPECT_EQ(editor().items().count(), 1);
}

// Each row: a command that places an item, its dialog as the user fills it
// in, and what the placed item then holds.
struct Placing {
    const char* name;
    const char* command;
    const char* dialog;
    void (*fill)(QDialog&);
    void (*check)(const ImageItem&);
};
void PrintTo(const Placing& row, std::ostream* out) {
    *out << row.name;
}

class PlacingTest : public RealDialogEditTest, public ::testing::WithParamInterface<Placing> {};

// The item goes where the click falls (a barcode's data without the margin)
// and one undo takes it away.
TEST_P(PlacingTest, PlacesTheItemByAClickAndItsRealDialog) {
    const Placing& row = GetParam();
    ModalDriver user{[&row](QWidget& w) {
        auto& dialog = static_cast<QDialog&>(w);
        EXPECT_EQ(dialog.objectName(), row.dialog);
        row.fill(dialog);
        click(dialog, "OKBtn");
    }};
    ASSERT_TRUE(window->action(row.command)->isEnabled());
    trigger(row.command);
    QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, QPoint(600, 150));
    EXPECT_TRUE(user.allStepsTaken());
    EXPECT_EQ(user.unexpected, 0);
    ASSERT_EQ(editor().items().count(), 1);
    EXPECT_EQ(editor().items().at(1)->getPosition(), QPoint(600, 150));
    row.check(*editor().items().at(1));
    EXPECT_TRUE(window->modified());
    trigger("EditMenuUndo");
    EXPECT_EQ(editor().items().count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PlacingTest,
    ::testing::Values(
        Placing{"Graphic", "ItemMenuGraphicItem", "GraphicItemPropEdForm", [](QDialog&) {},
                [](const ImageItem& placed) {
                    EXPECT_EQ(placed.getTypeCode(), GraphicItem::TypeCode);
                    EXPECT_EQ(placed.getWidth(), GraphicItem::NewSide);
                }},
        Placing{"MultipleLineText", "ItemMenuMultipleLineTextItem", "RTxtIPropEdForm",
                [](QDialog& d) {
                    auto* memo = control<QPlainTextEdit>(d, "TextEdit");
                    QTest::keyClicks(memo, "LOT");
                    QTest::keyClick(memo, Qt::Key_Return);
                    QTest::keyClicks(memo, "17");
                },
                [](const ImageItem& placed) {
                    const auto* block = dynamic_cast<const MultiLineTextItem*>(&placed);
                    ASSERT_NE(block, nullptr);
                    EXPECT_EQ(block->Text, "LOT\r\n17");
                    EXPECT_GT(block->WindowWidth, 0);
                }},
        Placing{"Barcode", "ItemMenuBarCodeItem", "BarcodePropertiesForm",
                [](QDialog& d) { typeInto(control<QLineEdit>(d, "ValueEdit"), "590123412345"); },
                [](const ImageItem& placed) {
                    const auto* barcode = dynamic_cast<const BarcodeItem*>(&placed);
                    ASSERT_NE(barcode, nullptr);
                    EXPECT_EQ(barcode->data().Text, "590123412345");
                    EXPECT_EQ(barcode->data().X, 550);
                    EXPECT_EQ(barcode->data().Y, 100);
                }}),
    [](const ::testing::TestParamInfo<Placing>& info) { return std::string(info.param.name); });

// No command places a field item; one that an image holds is edited as any
// item is, by a right click.
TEST_F(MainWindowEditTest, FieldsAreNotOfferedButTheirDialogEditsThem) {
    EXPECT_FALSE(window->action("FieldHint")->isVisible());
    for (const QMenu* menu : window->findChildren<QMenu*>())
        EXPECT_FALSE(menu->actions().contains(window->action("FieldHint")))
            << menu->objectName().toStdString();
    auto made = ImageItem::createNew<FieldItem>(1);
    made->Text = "LOT";
    made->MaxChars = 3;
    made->setPosition({400, 150});
    FieldItem& field = *made;
    editor().insertItem(1, std::move(made));
    editor().refreshImage();
    prompter.dialogScripts.push_back(script([](QDialog& d) {
        auto* maxChars = control<QSpinBox>(d, "MaxCharsEdit");
        EXPECT_EQ(maxChars->value(), 3);
        maxChars->setValue(9);
        click(d, "OKBtn");
    }));
    clickOn(field, Qt::RightButton);
    EXPECT_EQ(prompter.dialogsRun, QStringList{"fieldItemPropEdit"});
    EXPECT_EQ(field.MaxChars, 9);
}

} // namespace
