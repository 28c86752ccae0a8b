#include "texts/LanguageFiles.h"

#include "app/ui/LanguageDialog.h"
#include "platform/IniFile.h"
#include "texts/Messages.h"
#include "widgets/RadioGroup.h"

#include "ScriptedPrompter.h"
#include "TestFolders.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The user's file: the English texts, settings the user changed
// (MaxItemsPerLabel, COM1Device) and settings no language file holds (Width).
const QByteArray kSettings = "[LangForm]\nLeft=12\nTop=34\nLanguage=0\n"
                             "[MainForm]\nWidth=700\nMaxItemsPerLabel=25\n"
                             "[CommsPortForm]\nCOM1Device=/dev/ttyUSB0\nCaption=English.ini port\n";

// Texts that differ between the languages and settings on which they agree.
QByteArray languageFile(const QString& name) {
    return "[Errors]\nLanguageChangeConfirm=" + name.toUtf8() +
           " confirm?\n"
           "[MainForm]\nMaxItemsPerLabel=10\n"
           "[CommsPortForm]\nCOM1Device=/dev/ttyS0\nCaption=" +
           name.toUtf8() + " port\n[GridTForm]\nPitch=40\n";
}

// Clicks a language and then OK or Cancel in the shown language dialog.
ScriptedPrompter::DialogScript choose(int index, const char* button = "OKButton") {
    return [index, button](QDialog& dialog) {
        QTest::mouseClick(dialog.findChild<RadioGroup*>("LanguageRG")->button(index),
                          Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
        return dialog.result();
    };
}

class LanguageChange : public ::testing::Test {
protected:
    LanguageChange() {
        folders.writeIni(kSettings);
        for (const QString& name : LanguageFiles::fileNames())
            folders.writeInstallFile(name, languageFile(name));
        form = std::make_unique<LanguageDialog>();
    }

    bool change() { return LanguageFiles::changeLanguage(*form, prompter, messages); }

    TestFolders folders;
    ScriptedPrompter prompter;
    Messages messages;
    std::unique_ptr<LanguageDialog> form;
};

} // namespace

// Each row: the language picked, the answer to the confirmation, whether the
// window lets itself be closed (asked only once the change is confirmed), a
// language file gone, and the messages shown. None of them changes a
// setting, and the dialog goes back to the language in use.
TEST_F(LanguageChange, AChangeNotCarriedThroughChangesNothing) {
    const struct {
        const char* name;
        int index;
        std::vector<Prompter::Answer> answers;
        bool mayClose;
        const char* missing;
        qsizetype messages;
    } rows[] = {
        {"the same language", 0, {}, true, nullptr, 0},
        {"No to the confirmation", 1, {Prompter::Answer::No}, true, nullptr, 1},
        {"the window stays open", 1, {Prompter::Answer::Yes}, false, nullptr, 1},
        {"the language file is missing", 2, {Prompter::Answer::Yes}, true, "German.ini", 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        prompter.shown.clear();
        if (row.missing)
            QFile::remove(folders.installDir() + row.missing);
        prompter.dialogScripts.push_back(choose(row.index));
        prompter.answers = {row.answers.begin(), row.answers.end()};
        int asked = 0;
        EXPECT_FALSE(LanguageFiles::changeLanguage(*form, prompter, messages, [&] {
            ++asked;
            EXPECT_EQ(prompter.shown.size(), 1u); // after the confirmation
            return row.mayClose;
        }));
        EXPECT_EQ(asked, row.answers == std::vector{Prompter::Answer::Yes} ? 1 : 0);
        ASSERT_EQ(prompter.shown.size(), size_t(row.messages));
        if (row.messages > 0) {
            EXPECT_EQ(prompter.shown[0].text, "Language Change, Tolvane will exit, Confirm?");
            EXPECT_EQ(prompter.shown[0].icon, Prompter::Icon::Question);
            EXPECT_EQ(prompter.shown[0].buttons, Prompter::Buttons::YesNoCancel);
        }
        if (row.missing) {
            EXPECT_TRUE(prompter.shown[1].text.contains(folders.installDir() + row.missing));
            EXPECT_EQ(prompter.shown[1].icon, Prompter::Icon::Stop);
        }
        EXPECT_EQ(folders.readIni(), kSettings);
        EXPECT_EQ(form->itemIndex(), 0);
    }
    EXPECT_EQ(prompter.dialogsRun, QStringList(4, "LangForm"));
}

TEST_F(LanguageChange, YesTakesTheLanguagesTextsKeepsTheSettingsAndAsksToClose) {
    prompter.dialogScripts.push_back(choose(4));
    prompter.answers.push_back(Prompter::Answer::Yes);
    EXPECT_TRUE(change());
    IniFile settings(folders.iniPath());
    EXPECT_EQ(settings.readString("Errors", "LanguageChangeConfirm", ""), "Swedish.ini confirm?");
    EXPECT_EQ(settings.readString("CommsPortForm", "Caption", ""), "Swedish.ini port");
    EXPECT_EQ(settings.readString("CommsPortForm", "COM1Device", ""), "/dev/ttyUSB0");
    EXPECT_EQ(settings.readInteger("MainForm", "MaxItemsPerLabel", -1), 25);
    EXPECT_EQ(settings.readInteger("MainForm", "Width", -1), 700);
    EXPECT_EQ(settings.readInteger("GridTForm", "Pitch", -1), 40); // a setting the user lacked
    EXPECT_EQ(settings.readInteger("LangForm", "Language", -1), 4);
    EXPECT_EQ(settings.readInteger("LangForm", "Left", -1), 12);
    EXPECT_EQ(settings.readInteger("LangForm", "Top", -1), 34);
    EXPECT_EQ(QDir(folders.settingsDir()).entryList(QDir::Files), QStringList{"tolv.ini"});
}

TEST_F(LanguageChange, Windows1252FilesOnEitherSideKeepTheirCharacters) {
    folders.writeIni("[TOLVOptions]\nMonthLanguage1=JANF\xC9V\n[CommsPortForm]\nCaption=x\n");
    folders.writeInstallFile("German.ini", "[CommsPortForm]\nCaption=Schnittstelle w\xE4hlen\n");
    prompter.dialogScripts.push_back(choose(2));
    prompter.answers.push_back(Prompter::Answer::Yes);
    EXPECT_TRUE(change());
    const QByteArray ini = folders.readIni();
    EXPECT_TRUE(ini.startsWith("[TOLVOptions]\nMonthLanguage1=JANF\xC9V\n"
                               "[CommsPortForm]\nCaption=Schnittstelle w\xE4hlen\n"))
        << ini.toStdString();
    EXPECT_TRUE(ini.contains("\nLanguage=2\n"));
}

TEST_F(LanguageChange, CancelInTheDialogRestoresIndexAndRereadsSettings) {
    const QByteArray settings = "[LangForm]\nCaption=Langue\nLeft=12\nTop=34\nLanguage=0\n";
    folders.writeIni(settings);
    prompter.dialogScripts.push_back(choose(5, "CancelButton"));
    EXPECT_FALSE(change());
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(form->itemIndex(), 0);
    EXPECT_EQ(form->windowTitle(), "Langue");
    EXPECT_EQ(folders.readIni(), settings);
}

TEST_F(LanguageChange, ConfirmationUsesTheLoadedMessageText) {
    messages.load(std::make_unique<IniFile>(folders.installDir() + "French.ini").get());
    prompter.dialogScripts.push_back(choose(3));
    prompter.answers.push_back(Prompter::Answer::Cancel);
    EXPECT_FALSE(change());
    EXPECT_EQ(prompter.texts(), QStringList{"French.ini confirm?"});
    EXPECT_EQ(form->itemIndex(), 0);
}

TEST(FirstStart, CreatesSettingsFromTheEnglishFile) {
    TestFolders folders;
    folders.writeInstallFile("English.ini", "[MainForm]\nWidth=640\n");
    EXPECT_TRUE(LanguageFiles::createSettingsIfMissing());
    EXPECT_EQ(folders.readIni(), "[MainForm]\nWidth=640\n");

    folders.writeIni("[MainForm]\nWidth=800\n");
    EXPECT_FALSE(LanguageFiles::createSettingsIfMissing());
    EXPECT_EQ(folders.readIni(), "[MainForm]\nWidth=800\n");
}

TEST(FirstStart, WithoutTheEnglishFileNothingHappens) {
    TestFolders folders;
    EXPECT_FALSE(LanguageFiles::createSettingsIfMissing());
    EXPECT_FALSE(QFile::exists(folders.iniPath()));
}
