// The main window's editing, driven as a user drives it: tool buttons, mouse
// clicks and drags on the picture, keys, and the dialogs they open.
#include "app/ui/MainWindow.h"
#include "editor/SelectState.h"
#include "editor/ui/EditingSurface.h"
#include "editor/ui/ImageWidget.h"
#include "items/BarcodeItem.h"
#include "items/FieldItem.h"
#include "items/GraphicItem.h"
#include "items/MultiLineTextItem.h"
#include "items/TextItem.h"
#include "items/TimeItem.h"
#include "platform/ui/WidgetPrompter.h"

#include "DialogDriving.h"
#include "EditorTestSupport.h"
#include "MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// The main window on the widest model (4000 × 256 dots), at most three
// items besides graphics.
class MainWindowEditTest : public MainWindowFixture {
protected:
    void SetUp() override { start(prompter); }
    void start(Prompter& through) {
        folders.writeIni("[MainForm]\nMaxItemsPerLabel=3\nWidth=900\nHeight=600\n"
                         "[SelectPrinter]\nLastUsed=2\n");
        makeModel();
        addTestFonts();
        makeWindow(through);
        window->surface().movePointer = [this](QPoint global) { pointer.push_back(global); };
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        image = window->findChild<ImageWidget*>("ClientImage");
        ASSERT_NE(image, nullptr);
    }
    ImageEditor& editor() { return window->surface().editor(); }
    bool selecting() const {
        return dynamic_cast<SelectState*>(&window->surface().State()) != nullptr &&
               window->action("ItemMenuSelectItem")->isChecked();
    }
    QString panel(int i) const {
        return window->findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(i))->text();
    }
    // A text item put into the image as an opened file would.
    ImageItem& addText(QPoint at) {
        auto item = ImageItem::createNew<TextItem>(1);
        item->Text = "HEH";
        item->setPosition(at);
        ImageItem& added = *item;
        editor().insertItem(editor().items().count() + 1, std::move(item));
        editor().refreshImage();
        return added;
    }
    // A pixel of the picture well inside an item.
    QPoint grip(ImageItem& item) {
        const EdgeRect r = item.getScreenRect(editor().display());
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(window.get(), k, mods);
    }

    ImageWidget* image = nullptr;
    std::vector<QPoint> pointer;
};

// The same window with the real prompter: its dialogs and messages run in
// real modal loops, answered by a ModalDriver.
class RealDialogEditTest : public MainWindowEditTest {
protected:
    void SetUp() override {
        start(real);
        real.setParent(window.get());
    }
    WidgetPrompter real;
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
    QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, grip(item));
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

// The keys of the picture: Tab walks through the items, Shift+Tab back,
// the arrows nudge by a dot and with Shift by the grid's pitch.
TEST_F(MainWindowEditTest, TabSelectsTheNextItemAndShiftArrowsNudgeByThePitch) {
    data->setPitch(8);
    ImageItem& first = addText({300, 200});
    ImageItem& second = addText({1000, 200});
    window->surface().setFocus();
    const auto press = [this](Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), k, mods);
    };
    press(Qt::Key_Tab);
    EXPECT_EQ(editor().selectedItem(), &first);
    press(Qt::Key_Tab);
    EXPECT_EQ(editor().selectedItem(), &second);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(editor().selectedItem(), &first);
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
    using MainWindowEditTest::grip;
    using MainWindowEditTest::image;
    using MainWindowEditTest::key;
    using MainWindowEditTest::window;
};

TEST_P(NudgeInterruptionTest, DecidesWhetherTheNudgesAreOneStep) {
    ImageItem& first = addText({300, 200});
    ImageItem& second = addText({1000, 200});
    QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, grip(first));
    key(Qt::Key_Left);
    key(Qt::Key_Left);
    GetParam().between(*this, second);
    QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, grip(first));
    key(Qt::Key_Left);
    key(Qt::Key_Left);
    EXPECT_EQ(editor().undoStack().count(), GetParam().steps);

    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(first.getPosition(), GetParam().afterUndo);
}

void selectAndNudgeUp(NudgeInterruptionTest& t, ImageItem& second) {
    QTest::mouseClick(t.image, Qt::LeftButton, Qt::NoModifier, t.grip(second));
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
    QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, grip(item));
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
    QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, grip(item));
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

TEST_F(RealDialogEditTest, AGraphicIsPlacedByAClickAndItsDialog) {
    ModalDriver user{[](QWidget& w) {
        auto& dialog = static_cast<QDialog&>(w);
        EXPECT_EQ(dialog.objectName(), "GraphicItemPropEdForm");
        click(dialog, "OKBtn");
    }};
    window->action("ItemMenuGraphicItem")->trigger();
    QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, QPoint(600, 150));
    EXPECT_TRUE(user.allStepsTaken());
    ASSERT_EQ(editor().items().count(), 1);
    const ImageItem& placed = *editor().items().at(1);
    EXPECT_EQ(placed.getTypeCode(), GraphicItem::TypeCode);
    EXPECT_EQ(placed.getWidth(), GraphicItem::NewSide);
    EXPECT_EQ(placed.getPosition(), QPoint(600, 150));
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

} // namespace

TEST_F(RealDialogEditTest, AMultipleLineBlockIsPlacedThroughItsOwnDialog) {
    ModalDriver user{[](QWidget& w) {
        auto& dialog = static_cast<QDialog&>(w);
        EXPECT_EQ(dialog.objectName(), "RTxtIPropEdForm");
        auto* memo = control<QPlainTextEdit>(dialog, "TextEdit");
        QTest::keyClicks(memo, "LOT");
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClicks(memo, "17");
        click(dialog, "OKBtn");
    }};
    window->action("ItemMenuMultipleLineTextItem")->trigger();
    QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, QPoint(400, 100));
    EXPECT_TRUE(user.allStepsTaken());
    EXPECT_EQ(user.unexpected, 0);
    ASSERT_EQ(editor().items().count(), 1);
    const auto* placed = dynamic_cast<const MultiLineTextItem*>(editor().items().at(1));
    ASSERT_NE(placed, nullptr);
    EXPECT_EQ(placed->Text, "LOT\r\n17");
    EXPECT_GT(placed->WindowWidth, 0);
    EXPECT_TRUE(window->modified());
}

// The barcode command places a barcode where the click falls (its data
// without the margin), its value typed in the real dialog.
TEST_F(RealDialogEditTest, ABarcodeIsPlacedByAClickAndItsDialog) {
    ModalDriver user{[](QWidget& w) {
        auto& dialog = static_cast<QDialog&>(w);
        EXPECT_EQ(dialog.objectName(), "BarcodePropertiesForm");
        typeInto(control<QLineEdit>(dialog, "ValueEdit"), "590123412345");
        click(dialog, "OKBtn");
    }};
    ASSERT_TRUE(window->action("ItemMenuBarCodeItem")->isEnabled());
    window->action("ItemMenuBarCodeItem")->trigger();
    QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, QPoint(600, 150));
    EXPECT_TRUE(user.allStepsTaken());
    EXPECT_EQ(user.unexpected, 0);
    ASSERT_EQ(editor().items().count(), 1);
    const auto* placed = dynamic_cast<const BarcodeItem*>(editor().items().at(1));
    ASSERT_NE(placed, nullptr);
    EXPECT_EQ(placed->data().Text, "590123412345");
    EXPECT_EQ(placed->getPosition(), QPoint(600, 150));
    EXPECT_EQ(placed->data().X, 550);
    EXPECT_EQ(placed->data().Y, 100);
    EXPECT_TRUE(window->modified());
    window->action("EditMenuUndo")->trigger();
    EXPECT_EQ(editor().items().count(), 0);
}

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
    QTest::mouseClick(image, Qt::RightButton, Qt::NoModifier, grip(field));
    EXPECT_EQ(prompter.dialogsRun, QStringList{"fieldItemPropEdit"});
    EXPECT_EQ(field.MaxChars, 9);
}
