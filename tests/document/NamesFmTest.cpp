#include "ScriptedPrompter.h"
#include "TestFolders.h"
#include "app/SettingsFile.h"
#include "app/wareHouse.h"
#include "document/ui/NamesFmUnit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QLineEdit* edit(QDialog& dialog, const char* name) {
    return dialog.findChild<QLineEdit*>(QLatin1String(name));
}

int click(QDialog& dialog, const char* button) {
    dialog.setResult(QDialog::Rejected);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    return dialog.result();
}

void paste(QLineEdit* target, const QString& text) {
    QApplication::clipboard()->setText(text);
    target->selectAll();
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
}

struct Names {
    TestFolders folders;
    TNEBRAData data{nullptr};
    ScriptedPrompter prompter;

    Names(const char* shortName, const char* longName) {
        data.SetShortName(shortName);
        data.SetLongName(longName);
    }
};

} // namespace

TEST(NamesFm, TypingIsCutToTheLimitsButNamesFromAFileStayWhole) {
    Names n("ABCDEFGHIJKLMN", "Long");
    TNamesFm form(nullptr);
    n.prompter.dialogScripts.push_back([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Image descriptions");
        EXPECT_EQ(edit(d, "ShortNameEdit")->text(), "ABCDEFGHIJKLMN"); // shown whole
        paste(edit(d, "ShortNameEdit"), QStringLiteral("123456789012345"));
        paste(edit(d, "LongNameEdit"), QString(30, u'x'));
        return click(d, "OKButton");
    });
    EXPECT_TRUE(form.execute(n.prompter, n.data));
    EXPECT_EQ(n.data.ShortName(), "1234567890");
    EXPECT_EQ(n.data.LongName(), std::string(26, 'x'));
}

TEST(NamesFm, CancelRestoresTheNamesShownAtOpening) {
    Names n("Short", "Long");
    TNamesFm form(nullptr);
    n.prompter.dialogScripts.push_back([](QDialog& d) {
        edit(d, "ShortNameEdit")->clear();
        QTest::keyClicks(edit(d, "LongNameEdit"), "er");
        const int result = click(d, "CancelButton");
        EXPECT_EQ(edit(d, "ShortNameEdit")->text(), "Short");
        EXPECT_EQ(edit(d, "LongNameEdit")->text(), "Long");
        return result;
    });
    EXPECT_FALSE(form.execute(n.prompter, n.data));
    EXPECT_EQ(n.data.ShortName(), "Short");
    EXPECT_EQ(n.data.LongName(), "Long");
}

TEST(NamesFm, NamesAreLatin1BytesAndOtherTextIsRefused) {
    Names n("caf\xE9", "");
    TNamesFm form(nullptr);
    n.prompter.dialogScripts.push_back([](QDialog& d) {
        EXPECT_EQ(edit(d, "ShortNameEdit")->text(), QString::fromUtf8("café"));
        edit(d, "LongNameEdit")->setText(QString::fromUtf8("5 €"));
        EXPECT_EQ(click(d, "OKButton"), QDialog::Rejected); // stays open
        edit(d, "LongNameEdit")->setText(QString::fromUtf8("5 £"));
        return click(d, "OKButton");
    });
    EXPECT_TRUE(form.execute(n.prompter, n.data));
    EXPECT_EQ(n.data.LongName(), "5 \xA3");
    ASSERT_EQ(n.prompter.shown.size(), 1u);
    EXPECT_EQ(n.prompter.shown[0].icon, Prompter::Icon::Stop);
}

TEST(NamesFm, SettingsGiveLimitsTextsAndKeepThePosition) {
    TestFolders folders;
    folders.writeIni("[NamesFm]\nShortNameLength=4\nLongNameLength=-3\nCaption=Namen\n"
                     "Left=40\nTop=30\n");
    TNEBRAData data(nullptr);
    const auto settings = SettingsFile::open();
    TNamesFm form(settings.get());
    EXPECT_EQ(form.shortNameLength(), 4);
    EXPECT_EQ(form.longNameLength(), TNamesFm::DefaultLongNameLength); // garbage: the default
    EXPECT_EQ(form.windowTitle(), "Namen");
    EXPECT_EQ(form.pos(), QPoint(40, 30));
    ScriptedPrompter prompter;
    prompter.dialogScripts.push_back([](QDialog& d) {
        d.move(70, 80);
        return click(d, "CancelButton");
    });
    form.execute(prompter, data);
    const IniFile written(folders.iniPath());
    EXPECT_EQ(written.readInteger("NamesFm", "Left", 0), 70);
    EXPECT_EQ(written.readInteger("NamesFm", "Top", 0), 80);
}

TEST(NamesFm, ASaveAsksForMissingNames) {
    const auto okWith = [](const char* shortName) {
        return [shortName](QDialog& d) {
            edit(d, "ShortNameEdit")->setText(QLatin1String(shortName));
            return click(d, "OKButton");
        };
    };
    Names n("", "Long");
    TNamesFm form(nullptr);
    n.prompter.answers = {Prompter::Answer::No, Prompter::Answer::Yes, Prompter::Answer::Yes};
    EXPECT_FALSE(form.confirmNames(n.prompter, n.data)); // No: no dialog, no save
    n.prompter.dialogScripts.push_back([](QDialog& d) { return click(d, "CancelButton"); });
    EXPECT_FALSE(form.confirmNames(n.prompter, n.data));
    n.prompter.dialogScripts.push_back(okWith("S"));
    EXPECT_TRUE(form.confirmNames(n.prompter, n.data));
    EXPECT_EQ(n.data.ShortName(), "S");
    EXPECT_TRUE(form.confirmNames(n.prompter, n.data)); // both present: no question
    EXPECT_EQ(n.prompter.dialogsRun.size(), 2);
    ASSERT_EQ(n.prompter.shown.size(), 3u);
    EXPECT_EQ(n.prompter.shown[0].text, "Label has no description - define one?");
    EXPECT_EQ(n.prompter.shown[0].buttons, Prompter::Buttons::YesNo);
}
