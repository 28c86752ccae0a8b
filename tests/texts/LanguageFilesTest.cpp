// Checks the six shipped language files against each other and against the
// texts the program reads: a language change takes every key whose value
// differs between the files into tolv.ini, so a key missing from one language
// or a setting that differs between languages would change the program's
// behaviour, or lose the user's setting, when the user switches language.

#include "texts/LanguageFiles.h"
#include "TestFolders.h"
#include "platform/IniFile.h"
#include "texts/MainWindowTexts.h"
#include "texts/Messages.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSet>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// In language-index order; each file's own language is the LanguageDialog key.
const QStringList kLanguages{"English", "French", "German", "Dutch", "Swedish", "Spanish"};

// Keys whose values are settings, not texts: identical in every language.
const std::vector<std::pair<QString, QStringList>> kSettings{
    {"MainForm", {"MaxItemsPerLabel", "MaxGraphicItemsPerLabel", "HandheldMaxSize"}},
    {"FileName", {"ox100FN", "ox400FN", "ox410FN", "ox100FX", "ox400FX", "ox410FX", "FileType"}},
    {"HideToolBar", {"Checked"}},
    {"Rulers", {"Checked"}},
    {"SelectPrinter",
     {"ox100",      "ox400",  "ox410",   "FontDPI100", "PrinterDPI100", "ox100Height",
      "ox100Width", "Dot100", "Just100", "FontDPI400", "PrinterDPI400", "ox400Height",
      "ox400Width", "Dot400", "Just400", "FontDPI410", "PrinterDPI410", "ox410Height",
      "ox410Width", "Dot410", "Just410", "LastUsed"}},
    // The suffix formats are date-time patterns; only Format0 is a caption.
    {"TIPropEdForm", {"Format1", "Format2", "Format3", "Format4"}},
    {"CommsPortForm", {"CommsPort", "COM1Device", "COM2Device", "COM3Device", "COM4Device"}},
    {"NamesFm", {"ShortNameLength", "LongNameLength"}},
    {"UnitsForm", {"DisplayUnits"}},
    {"GridTForm", {"SnapOn", "GridOn", "Pitch"}},
    {"PrinterSetupForm", {"SelectedDPI", "PR150", "PR300", "PR600"}},
    {"InkCostForm", {"HowMany", "UnitSize"}},
};

QString languageFilePath(const QString& language) {
    return QDir::cleanPath(testDataPath(QStringLiteral("../../data/%1.ini").arg(language)));
}

// IniFile finds sections by name but cannot list them.
QStringList sectionsOf(const QString& path) {
    QFile file(path);
    QStringList sections;
    if (!file.open(QIODevice::ReadOnly))
        return sections;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']'))
            sections.append(line.mid(1, line.size() - 2).trimmed());
    }
    return sections;
}

bool hasCaseInsensitiveDuplicates(const QStringList& names) {
    QSet<QString> seen;
    for (const QString& name : names)
        seen.insert(name.toLower());
    return seen.size() != names.size();
}

class LanguageFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const QString& language : kLanguages)
            files.emplace_back(languageFilePath(language));
        for (const IniFile& file : files)
            ASSERT_TRUE(file.exists()) << file.path().toStdString();
        sections = sectionsOf(files[0].path());
    }

    const IniFile& english() const { return files[0]; }

    std::vector<IniFile> files;
    QStringList sections;
};

TEST_F(LanguageFilesTest, EveryFileHasEnglishSectionsAndKeysInTheSameOrder) {
    // The lookup takes the first of two same-named sections or keys, so a
    // duplicate would silently hide texts.
    ASSERT_FALSE(sections.isEmpty());
    EXPECT_FALSE(hasCaseInsensitiveDuplicates(sections));
    for (const IniFile& file : files) {
        SCOPED_TRACE(file.path().toStdString());
        EXPECT_EQ(sectionsOf(file.path()), sections);
        for (const QString& section : sections) {
            SCOPED_TRACE(section.toStdString());
            EXPECT_EQ(file.sectionKeys(section), english().sectionKeys(section));
            EXPECT_FALSE(hasCaseInsensitiveDuplicates(file.sectionKeys(section)));
        }
    }
}

TEST_F(LanguageFilesTest, SettingsAreTheSameInEveryLanguage) {
    for (const auto& [section, keys] : kSettings) {
        for (const QString& key : keys) {
            SCOPED_TRACE((section + u'/' + key).toStdString());
            ASSERT_TRUE(english().hasKey(section, key));
            for (const IniFile& file : files)
                EXPECT_EQ(file.readString(section, key, "?"),
                          english().readString(section, key, ""));
        }
    }
}

TEST_F(LanguageFilesTest, NoTextIsLeftEmpty) {
    for (const QString& section : sections) {
        for (const QString& key : english().sectionKeys(section)) {
            if (english().readString(section, key, "").isEmpty())
                continue;
            for (const IniFile& file : files)
                EXPECT_FALSE(file.readString(section, key, "").isEmpty())
                    << file.path().toStdString() << ' ' << section.toStdString() << '/'
                    << key.toStdString();
        }
    }
}

// The language dialog preselects the stored index; a file naming another
// language would make switching back to that language a no-op.
TEST_F(LanguageFilesTest, EachFileSelectsItsOwnLanguageAndOffersItsMonthsFirst) {
    for (int i = 0; i < int(files.size()); ++i) {
        SCOPED_TRACE(kLanguages[i].toStdString());
        EXPECT_EQ(files[i].readInteger("LangForm", "Language", -1), i);
        EXPECT_EQ(files[i].readString("TOLVOptions", "MonthLanguage1Name", ""),
                  files[i].readString("LangForm", kLanguages[i], "?"));
        // English months come second in every translation.
        const QString englishMonths = english().readString("TOLVOptions", "MonthLanguage1", "");
        const char* englishKey = i == 0 ? "MonthLanguage1" : "MonthLanguage2";
        EXPECT_EQ(files[i].readString("TOLVOptions", englishKey, ""), englishMonths);
    }
}

TEST_F(LanguageFilesTest, MonthStringsAreTwelveDistinctThreeLetterAbbreviations) {
    for (const IniFile& file : files) {
        for (int n = 1; n <= 4; ++n) {
            const QString key = QStringLiteral("MonthLanguage%1").arg(n);
            SCOPED_TRACE((file.path() + u' ' + key).toStdString());
            EXPECT_FALSE(file.readString("TOLVOptions", key + "Name", "").isEmpty());
            const QString months = file.readString("TOLVOptions", key, "");
            ASSERT_EQ(months.size(), 36);
            QSet<QString> abbreviations;
            for (int m = 0; m < 12; ++m)
                abbreviations.insert(months.mid(3 * m, 3));
            EXPECT_EQ(abbreviations.size(), 12);
            // The handheld's fonts are safest with plain capitals.
            for (QChar c : months)
                EXPECT_TRUE(c >= u'A' && c <= u'Z') << QString(c).toStdString();
        }
    }
}

TEST_F(LanguageFilesTest, EnglishHoldsEveryTextTheProgramReads) {
    QStringList messageKeys;
    for (const KeyedText& t : Messages::builtInTexts())
        messageKeys.append(t.key);
    EXPECT_EQ(english().sectionKeys(Messages::Section), messageKeys);
    for (const KeyedText& t : MainWindowTexts::builtInTexts())
        EXPECT_TRUE(english().hasKey(MainWindowTexts::Section, t.key)) << t.key.toStdString();
}

TEST_F(LanguageFilesTest, TextsNameNoOtherProduct) {
    std::vector<KeyedText> texts = Messages::builtInTexts();
    for (const IniFile& file : files)
        for (const QString& section : sections)
            for (const QString& key : file.sectionKeys(section))
                texts.push_back(
                    {file.path() + u' ' + section + u'/' + key, file.readString(section, key, "")});
    for (const KeyedText& t : texts)
        for (const char* name : {"nebra", "OX250"})
            EXPECT_FALSE(t.text.contains(QLatin1String(name), Qt::CaseInsensitive))
                << t.key.toStdString() << ": " << t.text.toStdString();
    for (const IniFile& file : files) {
        EXPECT_TRUE(file.readString("Errors", "LanguageChangeConfirm", "").contains("Tolvane"));
        EXPECT_TRUE(file.readString("Errors", "CannotOpenImageFileError", "").contains("%1"));
    }
}

TEST(QtTranslations, StandardButtonsFollowTheInterfaceLanguage) {
    const struct {
        int index;
        const char* yes;
    } cases[] = {{2, "&Ja"}, {5, "&S\u00ed"}, {1, "&Oui"}, {3, "&Ja"}, {0, "&Yes"}};
    for (const auto& c : cases) {
        EXPECT_EQ(LanguageFiles::installQtTranslations(c.index), c.index != 0) << c.index;
        QMessageBox box(QMessageBox::Question, "t", "q", QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QString::fromUtf8(c.yes)) << c.index;
    }
}

} // namespace
