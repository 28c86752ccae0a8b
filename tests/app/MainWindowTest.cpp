#include "app/ui/MainWindow.h"

#include "app/ui/LanguageDialog.h"
#include "document/AppContext.h"
#include "document/DataStore.h"
#include "persist/ClassRegistry.h"
#include "platform/Clock.h"
#include "printer/FontSet.h"
#include "texts/Messages.h"
#include "texts/SettingsFile.h"
#include "widgets/RadioGroupDialog.h"

#include "MainWindowFixture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class MainWindowTest : public MainWindowFixture {
protected:
    void start(const QByteArray& ini) {
        folders.writeIni(ini);
        makeModel();
        makeWindow();
    }
};

TEST_F(MainWindowTest, OpensWithItsMenusToolButtonsAndStatusLine) {
    start("[MainForm]\nFileMenu=Fichier\nNewHint=Nouveau|Nouvelle image\n");
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(window->windowTitle(), "Untitled[*] - Tolvane");

    QStringList menus;
    for (QAction* a : window->menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList{"&Fichier", "&Edit", "F&ormat", "&Item", "O&ptions", "&Zoom",
                                  "&HandHeld", "He&lp"}));
    QAction* newAction = window->action("FileMenuNew");
    EXPECT_EQ(newAction->text(), "&New");
    EXPECT_EQ(newAction->toolTip(), "Nouveau");
    EXPECT_EQ(newAction->statusTip(), "Nouvelle image");

    auto* toolBar = window->findChild<QToolBar*>("ToolBar");
    ASSERT_TRUE(toolBar);
    int shownButtons = 0;
    for (QAction* a : toolBar->actions()) {
        if (a->isSeparator() || !a->isVisible() || a->icon().isNull())
            continue;
        ++shownButtons;
        EXPECT_FALSE(a->icon().pixmap(20, 20).isNull()) << a->objectName().toStdString();
    }
    EXPECT_GE(shownButtons, 20);
    // Model 0 justifies left/centre/right and has no ink-cost button.
    EXPECT_TRUE(window->action("FormatMenuLeftJustify")->isVisible());
    EXPECT_FALSE(window->action("FormatMenuTopJustify")->isVisible());
    EXPECT_FALSE(window->action("InkCostButtonHint")->isVisible());

    QStringList panels;
    for (int i = 0; i < 4; ++i)
        panels << window->findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(i))->text();
    EXPECT_EQ(panels, (QStringList{"X: ", "Y: ", "Area: ", "Description: "}));
}

TEST_F(MainWindowTest, ClosingWritesTheSettingsBackWithoutAskingWhenUnaltered) {
    start("[MainForm]\nLeft=30\nTop=40\nWidth=800\nHeight=500\n[SelectPrinter]\nLastUsed=2\n");
    window->show();
    EXPECT_TRUE(window->action("FormatMenuTopJustify")->isVisible());
    EXPECT_TRUE(window->action("InkCostButtonHint")->isVisible());
    window->action("OptionsMenuRulers")->trigger();
    EXPECT_FALSE(window->findChild<QWidget*>("HRuler1")->isVisible());
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(prompter.shown.empty());
    const std::unique_ptr<IniFile> ini = SettingsFile::open();
    EXPECT_EQ(ini->readInteger("SelectPrinter", "LastUsed", -1), 2);
    EXPECT_EQ(ini->readInteger("Rulers", "Checked", -1), 0);
    EXPECT_EQ(ini->readInteger("MainForm", "Width", 0), window->width());
    EXPECT_TRUE(ini->hasKey("FileName", "PrevSaveDir"));
}

TEST_F(MainWindowTest, CancellingTheSaveQuestionKeepsTheWindowButStillWritesSettings) {
    start("[Errors]\nCloseConfirm=Save the image?\n");
    messages.load(SettingsFile::open().get());
    window->show();
    window->setModified(true);
    prompter.answers = {Prompter::Answer::Cancel};
    EXPECT_FALSE(window->close());
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Save the image?");
    EXPECT_EQ(prompter.shown[0].icon, Prompter::Icon::Question);
    EXPECT_EQ(prompter.shown[0].buttons, Prompter::Buttons::YesNoCancel);
    EXPECT_TRUE(SettingsFile::open()->hasKey("MainForm", "Maximised"));

    // Yes whose save does not happen (the names question declined) keeps the
    // image on screen; No discards it.
    prompter.answers = {Prompter::Answer::Yes, Prompter::Answer::No};
    EXPECT_FALSE(window->close());
    prompter.answers = {Prompter::Answer::No};
    EXPECT_TRUE(window->close());
}

TEST_F(MainWindowTest, WithoutASettingsFileNothingIsWrittenAndNothingCanBePlaced) {
    makeModel();
    makeWindow();
    EXPECT_EQ(window->settings().MaxItems, 0u);
    window->show();
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(QFile::exists(folders.iniPath()));
}

TEST_F(MainWindowTest, ALanguageChangeAsksForTheAlteredImageFirstAndCancelChangesNothing) {
    const QByteArray settings =
        "[LangForm]\nLanguage=0\n[CommsPortForm]\nCOM1Device=/dev/ttyUSB0\n";
    start(settings);
    folders.writeInstallFile("French.ini", "[LangForm]\nLanguage=1\n[MainForm]\nFileMenu=Fichier\n"
                                           "[CommsPortForm]\nCOM1Device=/dev/ttyS0\n");
    window->show();
    window->setModified(true);
    const auto chooseFrench = [](QDialog& d) {
        static_cast<LanguageDialog&>(d).setItemIndex(1);
        return int(QDialog::Accepted);
    };
    prompter.dialogScripts.push_back(chooseFrench);
    prompter.answers = {Prompter::Answer::Yes, Prompter::Answer::Cancel};
    window->action("OptionsMenuLanguage")->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(prompter.texts(), (QStringList{"Language Change, Tolvane will exit, Confirm?",
                                             "Image altered, save?"}));
    EXPECT_EQ(folders.readIni(), settings);

    // No drops the image: the language changes and the close asks no more.
    prompter.shown.clear();
    prompter.dialogScripts.push_back(chooseFrench);
    prompter.answers = {Prompter::Answer::Yes, Prompter::Answer::No};
    window->action("OptionsMenuLanguage")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(prompter.shown.size(), 2u);
    const std::unique_ptr<IniFile> ini = SettingsFile::open();
    EXPECT_EQ(ini->readString("MainForm", "FileMenu", ""), "Fichier");
    EXPECT_EQ(ini->readString("CommsPortForm", "COM1Device", ""), "/dev/ttyUSB0");
}

TEST_F(MainWindowTest, HandheldCommandsAreWiredToTheDownloadAndPortDialogs) {
    start("[CommsPortForm]\nCommsPort=7\n");
    window->show();
    window->action("FileMenuDownloadImage")->trigger();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "No Label Description - Cannot Download");

    prompter.dialogScripts.push_back([](QDialog& d) {
        d.findChild<QPushButton*>("EraseProceedButton")->click();
        return int(QDialog::Rejected);
    });
    window->action("HandErase")->trigger();
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[1].text, "Invalid communications port number");

    prompter.dialogScripts.push_back([](QDialog& d) {
        EXPECT_EQ(d.objectName(), "CommsPortForm");
        return int(QDialog::Rejected);
    });
    window->action("OptionsMenuSerialPort")->trigger();
    EXPECT_EQ(prompter.dialogsRun.back(), "CommsPortForm");
}

// The window opens where it was closed, with its size; a maximised window
// opens maximised and goes back to where it was before.
TEST_F(MainWindowTest, TheWindowsPlaceSizeAndStateComeBackNextTime) {
    start("[MainForm]\nLeft=30\nTop=40\nWidth=500\nHeight=300\n");
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(window->size(), QSize(500, 300));
    window->move(60, 70);
    window->resize(520, 310);
    const QPoint place = window->pos();
    EXPECT_TRUE(window->close());
    window.reset();

    makeWindow();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(window->pos(), place);
    EXPECT_EQ(window->size(), QSize(520, 310));
    window->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->isMaximized(); }));
    EXPECT_TRUE(window->close());
    window.reset();
    const std::unique_ptr<IniFile> ini = SettingsFile::open();
    EXPECT_EQ(ini->readInteger("MainForm", "Maximised", 0), 1);
    EXPECT_EQ(
        QPoint(ini->readInteger("MainForm", "Left", 0), ini->readInteger("MainForm", "Top", 0)),
        place);

    makeWindow();
    window->show();
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->isMaximized(); }));
    window->showNormal();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window->isMaximized(); }));
    EXPECT_EQ(window->pos(), place);
    EXPECT_EQ(window->size(), QSize(520, 310));
}

TEST_F(MainWindowTest, AStoredWindowLargerThanTheScreenIsKeptOnIt) {
    start("[MainForm]\nLeft=-300\nTop=2000\nWidth=5000\nHeight=4000\n");
    window->show();
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window->frameGeometry()))
        << window->frameGeometry().x() << ',' << window->frameGeometry().y() << ' '
        << window->width() << 'x' << window->height();
}

TEST_F(MainWindowTest, AFirstStartShowsTheFontBoxesAndItsDialogsOverTheWindow) {
    start("[SelectPrinter]\nLastUsed=2\n"); // nothing of the window stored yet
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_TRUE(window->findChild<QComboBox*>("FontNameBox")->isVisible());
    EXPECT_TRUE(window->findChild<QComboBox*>("FontSizeBox")->isVisible());
    QPoint offCentre;
    prompter.dialogScripts.push_back([&](QDialog& dialog) {
        dialog.show();
        offCentre = dialog.frameGeometry().center() - window->frameGeometry().center();
        dialog.hide();
        return int(QDialog::Rejected);
    });
    window->action("FileMenuImageDescriptions")->trigger();
    // Without a window manager the platform guesses a frame it cannot see.
    EXPECT_LE(offCentre.manhattanLength(), 60) << offCentre.x() << ',' << offCentre.y();
    // A dialog never shown keeps no place, so it opens centred next time too.
    window.reset();
    EXPECT_FALSE(SettingsFile::open()->hasKey("CommsPortForm", "Left"));
}

} // namespace
