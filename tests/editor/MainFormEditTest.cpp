// The main window's editing, driven as a user drives it: tool buttons, mouse
// clicks and drags on the picture, keys, and the dialogs they open.
#include "app/AppContext.h"
#include "app/Messages.h"
#include "app/SettingsFile.h"
#include "app/ui/MainForm.h"
#include "app/ui/Ruler.h"
#include "app/wareHouse.h"
#include "editor/ui/ClientImage.h"
#include "editor/ui/EditingSurface.h"
#include "items/TextItems.h"
#include "persist/ClassRegistry.h"
#include "platform/Clock.h"
#include "printer/FontSetUnit.h"

#include "EditorTestSupport.h"
#include "ScriptedPrompter.h"
#include "TestFolders.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The test faces, the same for every model, so that nothing depends on the
// shipped font map.
void addTestFonts(TFontSet& fonts) {
    for (const int model : {1, 2, 4}) {
        for (const int size : {12, 16}) {
            auto font = std::make_unique<NEBRAFont>();
            font->ModelCode = model;
            font->FontNumber = size == 12 ? 1 : 2;
            font->Name = "Sans";
            font->FaceName = "DejaVu Sans";
            font->PointSize = size;
            fonts.Append(std::move(font));
        }
    }
}

// Types into a line edit of a shown dialog and presses one of its buttons.
ScriptedPrompter::DialogScript fillIn(std::vector<std::pair<const char*, QString>> fields,
                                      const char* button) {
    return [fields, button](QDialog& dialog) {
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        for (const auto& [name, text] : fields) {
            auto* edit = dialog.findChild<QLineEdit*>(QLatin1String(name));
            EXPECT_NE(edit, nullptr) << name;
            if (!edit)
                continue;
            edit->selectAll();
            QTest::keyClicks(edit, text);
        }
        auto* press = dialog.findChild<QPushButton*>(QLatin1String(button));
        EXPECT_NE(press, nullptr) << button;
        if (press)
            QTest::mouseClick(press, Qt::LeftButton);
        const int result = dialog.isVisible() ? int(QDialog::Rejected) : dialog.result();
        dialog.hide();
        return result;
    };
}

// The main window on the widest model (4000 × 256 dots), at most three
// items besides graphics.
class MainFormEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        folders.writeIni("[MainForm]\nMaxItemsPerLabel=3\nWidth=900\nHeight=600\n"
                         "[SelectPrinter]\nLastUsed=2\n");
        data = std::make_unique<TNEBRAData>(SettingsFile::open().get());
        fonts = std::make_unique<TFontSet>(data->printers());
        addTestFonts(*fonts);
        context =
            std::make_unique<AppContext>(AppContext{prompter, clock, *data, registry, *fonts});
        window = std::make_unique<TMainForm>(*context);
        window->surface().movePointer = [this](QPoint global) { pointer.push_back(global); };
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        image = window->findChild<TClientImage*>("ClientImage");
        ASSERT_NE(image, nullptr);
    }
    void TearDown() override {
        window->setModified(false);
        window.reset();
    }

    ImageEditor& editor() { return window->surface().Editor(); }
    QString panel(int i) const {
        return window->findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(i))->text();
    }
    // A text item put into the image as an opened file would.
    ImageItem& addText(QPoint at, const char* text = "HEH") {
        auto item = ImageItem::CreateNew<TextItem>(1);
        item->Text = text;
        item->SetPosition(at);
        ImageItem& added = *item;
        editor().InsertItem(editor().Items().Count() + 1, std::move(item));
        editor().RefreshImage();
        return added;
    }
    // A pixel of the picture well inside an item.
    QPoint grip(ImageItem& item) {
        const EdgeRect r = item.GetScreenRect(editor().Display());
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(window.get(), k, mods);
    }

    TestFolders folders;
    ScriptedPrompter prompter;
    FixedClock clock{QDateTime(QDate(2026, 12, 6), QTime(10, 15, 30))};
    ClassRegistry registry;
    std::unique_ptr<TNEBRAData> data;
    std::unique_ptr<TFontSet> fonts;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<TMainForm> window;
    TClientImage* image = nullptr;
    std::vector<QPoint> pointer;
};

TEST_F(MainFormEditTest, ATextItemIsPlacedByAClickAndItsDialog) {
    window->action("ItemMenuTextItem")->trigger();
    EXPECT_FALSE(window->action("ItemMenuSelectItem")->isChecked());
    prompter.dialogScripts.push_back(fillIn({{"TextEdit", "HELLO"}}, "OKBtn"));
    QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, QPoint(400, 200));

    EXPECT_EQ(prompter.dialogsRun, QStringList{"TxtIPropEdForm"});
    ASSERT_EQ(editor().Items().Count(), 1);
    const auto& placed = static_cast<const TextItem&>(*editor().Items().At(1));
    EXPECT_EQ(placed.Text, "HELLO");
    EXPECT_EQ(placed.GetPosition(), QPoint(400, 200));
    EXPECT_TRUE(window->Modified());
    EXPECT_TRUE(window->action("ItemMenuSelectItem")->isChecked()); // one item per click
    EXPECT_TRUE(window->action("EditMenuUndo")->isEnabled());
    EXPECT_EQ(panel(0), "X: 350");
    EXPECT_EQ(panel(1), "Y: 150");
}

TEST_F(MainFormEditTest, ZoomStopsAtTwoHundredAndFiftyPercent) {
    for (int i = 0; i < 4; ++i)
        window->action("ZoomInHint")->trigger();
    EXPECT_EQ(window->surface().ZoomLevel(), 3);
    EXPECT_EQ(image->size(), QSize(8200, 712));
    EXPECT_TRUE(window->action("ZoomMenuZoom200")->isChecked());
    for (int i = 0; i < 4; ++i)
        key(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(window->surface().ZoomLevel(), 0);
    EXPECT_EQ(image->size(), QSize(2050, 178));
    EXPECT_TRUE(window->action("ZoomMenuZoom50")->isChecked());
    EXPECT_DOUBLE_EQ(window->ZoomX(), 0.5);

    window->action("ZoomMenuAutoSize")->trigger();
    auto* box = window->findChild<QWidget*>("ImageScrollBox");
    EXPECT_LE(image->width(), box->width());
    EXPECT_EQ(image->width(), int(4100 * window->ZoomX()));
    window->resize(1200, 600);
    QTest::qWait(20);
    EXPECT_EQ(image->width(), int(4100 * window->ZoomX())); // refitted
    EXPECT_GT(window->ZoomX(), 0.25);
}

TEST_F(MainFormEditTest, DeleteCutsTheSelectedItemAndDoesNothingWithoutOne) {
    ImageItem& item = addText({300, 200});
    key(Qt::Key_Delete);
    EXPECT_EQ(editor().Items().Count(), 1);
    EXPECT_FALSE(window->action("EditMenuPaste")->isEnabled());

    QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, grip(item));
    EXPECT_TRUE(window->action("EditMenuCut")->isEnabled());
    key(Qt::Key_Delete);
    EXPECT_EQ(editor().Items().Count(), 0);
    EXPECT_TRUE(window->action("EditMenuPaste")->isEnabled());
    EXPECT_FALSE(window->action("EditMenuCut")->isEnabled());

    key(Qt::Key_V, Qt::ControlModifier);
    key(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(editor().Items().Count(), 2);
    EXPECT_EQ(editor().Items().At(1)->GetPosition(), editor().Items().At(2)->GetPosition());
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(editor().Items().Count(), 1);
    EXPECT_EQ(editor().Items().At(1)->GetPosition(), QPoint(300, 200));
    EXPECT_FALSE(window->Modified());
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(editor().Items().Count(), 0);
}

TEST_F(MainFormEditTest, AMouseDragSnapsToTheGridAndUndoesInOneStep) {
    data->SetPitch(8);
    data->SetSnapOn(true);
    ImageItem& item = addText({300, 200});
    QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, grip(item));
    ASSERT_FALSE(pointer.empty());
    EXPECT_EQ(pointer.back(), image->mapToGlobal(QPoint(300, 200)));
    QTest::mouseMove(image, QPoint(150, 180));
    QTest::mouseMove(image, QPoint(61, 163));
    EXPECT_EQ(panel(0), "X: 8"); // snapped while dragging
    QTest::mouseRelease(image, Qt::LeftButton, Qt::NoModifier, QPoint(61, 163));
    EXPECT_EQ(item.GetPosition(), QPoint(58, 162));
    EXPECT_EQ(editor().UndoStack().count(), 1);
    window->action("EditMenuUndo")->trigger();
    EXPECT_EQ(item.GetPosition(), QPoint(300, 200));
}

TEST_F(MainFormEditTest, ArrowKeysNudgeTheSelectedItemOneStepAtATime) {
    data->SetPitch(8);
    ImageItem& item = addText({300, 200});
    key(Qt::Key_Right);
    EXPECT_EQ(item.GetX(), 300);
    QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, grip(item));
    key(Qt::Key_Right);
    key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(item.GetPosition(), QPoint(301, 208));
    window->action("EditMenuUndo")->trigger();
    EXPECT_EQ(item.GetPosition(), QPoint(301, 200));
}

TEST_F(MainFormEditTest, JustificationAndFontActOnTheSelectedItem) {
    ImageItem& item = addText({300, 200});
    QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, grip(item));
    window->action("FormatMenuBottomJustify")->trigger(); // the third model justifies down
    EXPECT_EQ(item.Justification, 3);
    EXPECT_EQ(item.GetY(), 306);
    window->action("FormatMenuBottomJustify")->trigger(); // released: none
    EXPECT_EQ(item.Justification, 0);
    EXPECT_TRUE(window->action("EditMenuUndo")->isEnabled());

    auto* sizes = window->findChild<QComboBox*>("FontSizeBox");
    ASSERT_EQ(sizes->count(), 2);
    sizes->setCurrentIndex(1);
    emit sizes->activated(1);
    EXPECT_EQ(item.FontNumber, 2);
    window->action("EditMenuUndo")->trigger();
    EXPECT_EQ(item.FontNumber, 1);
}

TEST_F(MainFormEditTest, AnAreaTypedTooLargeOrCuttingAnItemKeepsThePreviousOne) {
    addText({1000, 200});
    const DotRect whole = editor().Display().AreaRect();
    prompter.dialogScripts.push_back(fillIn({{"WEdit", "4001"}}, "OKButton"));
    window->action("DefineRestrictHint")->trigger();
    prompter.dialogScripts.push_back(fillIn({{"WEdit", "500"}}, "OKButton"));
    window->action("DefineRestrictHint")->trigger();
    EXPECT_EQ(prompter.texts(), (QStringList{"Error - restricted area too large",
                                             "Error - there would be objects outside the area."}));
    EXPECT_EQ(editor().Display().AreaRect(), whole);

    prompter.dialogScripts.push_back(fillIn({{"XEdit", "100"}, {"WEdit", "2000"}}, "OKButton"));
    window->action("DefineRestrictHint")->trigger();
    EXPECT_EQ(editor().Display().AreaRect(), (DotRect{100, 0, 2200, 356}));
    EXPECT_EQ(panel(2), "Area: 100/0/2000/256 Pixels");
}

TEST_F(MainFormEditTest, DrawingTheAreaWithTheMousePausesTheMinuteRefresh) {
    window->action("DrawRestrictHint")->trigger();
    auto* timer = window->findChild<QTimer*>();
    ASSERT_NE(timer, nullptr);
    QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    EXPECT_FALSE(timer->isActive());
    QTest::mouseMove(image, QPoint(1100, 300));
    QTest::mouseRelease(image, Qt::LeftButton, Qt::NoModifier, QPoint(1100, 300));
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(editor().Display().AreaRect(), (DotRect{50, 50, 1150, 350}));
    EXPECT_TRUE(window->action("ItemMenuSelectItem")->isChecked());
}

// An item that counts the minute refreshes it is asked for.
class RefreshCounter : public TestGraphic {
public:
    void Refresh(NebraDisplay&) override { ++refreshes; }
    int refreshes = 0;
};

TEST_F(MainFormEditTest, ItemsAreRefreshedWhenTheMinuteChanges) {
    auto item = std::make_unique<RefreshCounter>();
    RefreshCounter& counter = *item;
    editor().InsertItem(1, std::move(item));
    clock.advanceSecs(20); // 10:15:50
    window->minuteTick();
    EXPECT_EQ(counter.refreshes, 0);
    clock.advanceSecs(20); // 10:16:10
    window->minuteTick();
    window->minuteTick();
    EXPECT_EQ(counter.refreshes, 1);
}

TEST(Ruler, NumbersTicksInTheDisplayUnitAtTheZoomAndScroll) {
    TRuler ruler(Qt::Horizontal);
    ruler.setMargin(50);
    EXPECT_EQ(ruler.labelStep(), 100.0); // dots: 50 would crowd
    ruler.setScale(2.0);
    EXPECT_EQ(ruler.labelStep(), 50.0);
    EXPECT_EQ(ruler.pixelOf(0), 100); // the first printable dot
    ruler.setOrigin(-30);             // scrolled
    EXPECT_EQ(ruler.pixelOf(10), 90);
    ruler.setDotsPerUnit(185 / 25.4); // millimetres at 185 dpi
    EXPECT_EQ(ruler.labelStep(), 5.0);
    EXPECT_EQ(ruler.pixelOf(5), -30 + int(std::lround((50 + 5 * 185 / 25.4) * 2)));
    ruler.setScale(0.5);
    EXPECT_EQ(ruler.labelStep(), 20.0);
    ruler.setDotsPerUnit(185); // inches
    EXPECT_EQ(ruler.labelStep(), 1.0);
}

} // namespace
