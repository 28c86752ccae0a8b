#include "document/ui/ImageNamesDialog.h"
#include "DialogDriving.h"
#include "ScriptedPrompter.h"
#include "TestFolders.h"
#include "document/DataStore.h"
#include "texts/Messages.h"
#include "texts/SettingsFile.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The built-in texts.
const Messages messages;

QLineEdit* edit(QDialog& dialog, const char* name) {
    return control<QLineEdit>(dialog, name);
}

void paste(QLineEdit* target, const QString& text) {
    QApplication::clipboard()->setText(text);
    target->selectAll();
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
}

struct Names {
    TestFolders folders;
    DataStore data{nullptr};
    ScriptedPrompter prompter;

    Names(const char* shortName, const char* longName) {
        data.setShortName(shortName);
        data.setLongName(longName);
    }
};

} // namespace

TEST(ImageNamesDialog, CancelRestoresTheNamesShownAtOpening) {
    Names n("Short", "Long");
    ImageNamesDialog form(nullptr, messages);
    n.prompter.dialogScripts.push_back(script([](QDialog& d) {
        edit(d, "ShortNameEdit")->clear();
        QTest::keyClicks(edit(d, "LongNameEdit"), "er");
        click(d, "CancelButton");
        EXPECT_EQ(edit(d, "ShortNameEdit")->text(), "Short");
        EXPECT_EQ(edit(d, "LongNameEdit")->text(), "Long");
    }));
    EXPECT_FALSE(form.execute(n.prompter, n.data));
    EXPECT_EQ(n.data.shortName(), "Short");
    EXPECT_EQ(n.data.longName(), "Long");
}

TEST(ImageNamesDialog, SettingsGiveTheLimitsAndKeepThePosition) {
    TestFolders folders;
    folders.writeIni("[NamesFm]\nShortNameLength=4\nLongNameLength=-3\nLeft=40\nTop=30\n");
    DataStore data(nullptr);
    ImageNamesDialog form(SettingsFile::open().get(), messages);
    EXPECT_EQ(form.shortNameLength(), 4);
    EXPECT_EQ(form.longNameLength(),
              ImageNamesDialog::DefaultLongNameLength); // garbage: the default
    ScriptedPrompter prompter;
    prompter.dialogScripts.push_back(script([](QDialog& d) {
        d.move(70, 80);
        click(d, "CancelButton");
    }));
    form.execute(prompter, data);
    EXPECT_EQ(IniFile(folders.iniPath()).readInteger("NamesFm", "Left", 0), 70);
}

// Descriptions are Windows-1252 bytes like every text of the handheld; only
// a character without a byte is refused, by name.
TEST(ImageNamesDialog, NamesAreWindows1252AndOnlyCharactersOutsideItAreRefused) {
    Names n("\x80uro", "Long");
    ImageNamesDialog form(nullptr, messages);
    n.prompter.dialogScripts.push_back(modalScript([&n](QDialog& d) {
        EXPECT_EQ(edit(d, "ShortNameEdit")->text(), QString::fromUtf8("€uro"));
        paste(edit(d, "LongNameEdit"), QString::fromUtf8("Löng ✓"));
        click(d, "OKButton");
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(n.prompter.texts(),
                  QStringList{QString::fromUtf8("Error - \"✓\" cannot be used in a description.")});
        paste(edit(d, "LongNameEdit"), QString::fromUtf8("„Löng“ – …"));
        click(d, "OKButton");
    }));
    EXPECT_TRUE(form.execute(n.prompter, n.data));
    EXPECT_EQ(n.data.shortName(), "\x80uro");
    EXPECT_EQ(n.data.longName(), "\x84L\xF6ng\x93 \x96 \x85");
}

// Typing and pasting are cut to the limits, but names longer than them
// from a file are shown whole; the counters follow, and the fields say
// their limit in the interface language.
TEST(ImageNamesDialog, EachNameFieldCountsItsCharactersAgainstItsLimit) {
    Names n("ABCDEFGHIJKLMN", "Long");
    n.folders.writeIni("[NamesFm]\nLengthHint=högst %1 tecken\n");
    ImageNamesDialog form(SettingsFile::open().get(), messages);
    n.prompter.dialogScripts.push_back(modalScript([](QDialog& d) {
        EXPECT_EQ(edit(d, "ShortNameEdit")->text(), "ABCDEFGHIJKLMN");
        EXPECT_EQ(labelText(d, "ShortNameEditCounter"), "14/10");
        EXPECT_EQ(labelText(d, "LongNameEditCounter"), "4/26");
        typeInto(edit(d, "ShortNameEdit"), "AB");
        EXPECT_EQ(labelText(d, "ShortNameEditCounter"), "2/10");
        paste(edit(d, "ShortNameEdit"), QStringLiteral("123456789012345"));
        EXPECT_EQ(labelText(d, "ShortNameEditCounter"), "10/10");
        paste(edit(d, "LongNameEdit"), QString(30, u'x'));
        EXPECT_EQ(labelText(d, "LongNameEditCounter"), "26/26");
        EXPECT_EQ(edit(d, "ShortNameEdit")->toolTip(), QString::fromUtf8("högst 10 tecken"));
        EXPECT_EQ(edit(d, "LongNameEdit")->toolTip(), QString::fromUtf8("högst 26 tecken"));
        click(d, "OKButton");
    }));
    EXPECT_TRUE(form.execute(n.prompter, n.data));
    EXPECT_EQ(n.data.shortName(), "1234567890");
    EXPECT_EQ(n.data.longName(), std::string(26, 'x'));
}
