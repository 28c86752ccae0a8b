#include "barcode/AppIdTable.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct MaskCase {
    const char* format;
    const char* mask; // nullptr: no mask
    bool fixed;
    const char* qtMask;
    const char* prompt;
};

// The first three rows are the masks the identifier entry is known by; the
// Qt masks are what QLineEdit takes for them.
const MaskCase MaskCases[] = {
    {"n2", "!00;1;0", true, "99;_", "Enter 2 digits"},
    {"n..6", "!099999;1;", false, "900000;_", "Enter up to 6 digits"},
    {"n..1", "!0;1;", false, "9;_", "Enter up to 1 digit"},
    {"n18", "!000000000000000000;1;0", true, "999999999999999999;_", "Enter 18 digits"},
    {"an..3", "!Ccc;1;", false, "Xxx;_", "Enter up to 3 characters"},
    {"an4", "!CCCC;1;", true, "XXXX;_", "Enter 4 characters"},
    {"a1", "!C;1;", true, "X;_", "Enter 1 character"},
    {"n..x", nullptr, false, "", ""},
    {"an..", nullptr, false, "", ""},
    {"n", nullptr, false, "", ""},
    {"n+3", nullptr, false, "", ""},
    {"n0", nullptr, false, "", ""},
    {"", nullptr, false, "", ""},
};

class AppIdMask : public ::testing::TestWithParam<MaskCase> {};

TEST_P(AppIdMask, FollowsTheFormat) {
    const MaskCase& c = GetParam();
    const std::optional<AppIdEntry> entry = appIdEntry(QString::fromLatin1(c.format));
    if (!c.mask) {
        EXPECT_FALSE(entry.has_value());
        return;
    }
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->mask, c.mask);
    EXPECT_EQ(entry->fixedLength, c.fixed);
    EXPECT_EQ(qtInputMask(entry->mask), c.qtMask);
    EXPECT_EQ(appIdPrompt(*entry, PromptWords()), c.prompt);
}

INSTANTIATE_TEST_SUITE_P(Formats, AppIdMask, ::testing::ValuesIn(MaskCases));

TEST(AppIdPrompt, TakesTheWordsOfTheLanguage) {
    const PromptWords german{"Geben Sie", "bis zu", "Ziffer", "n", "Zeichenstelle"};
    EXPECT_EQ(appIdPrompt(*appIdEntry("n..20"), german), "Geben Sie bis zu 20 Ziffern");
    EXPECT_EQ(appIdPrompt(*appIdEntry("an1"), german), "Geben Sie 1 Zeichenstelle");
}

struct DecimalCase {
    const char* appId;
    const char* format;
    const char* typed;
    const char* wantAppId; // nullptr: refused
    const char* wantValue;
};

const DecimalCase DecimalCases[] = {
    {"310x", "n6", "12.345", "3103", "012345"},
    {"310x", "n6", "500", "3100", "000500"},
    {"310x", "n6", "500.", "3100", "000500"},
    {"320x", "n6", ".5", "3201", "000005"},
    {"310x", "n6", "0.12345", "3105", "012345"},
    {"390x", "n..15", "12.50", "3902", "1250"},
    {"310x", "n6", "1234567", nullptr, nullptr},
    {"310x", "n6", "1.2.3", nullptr, nullptr},
    {"310x", "n6", "", nullptr, nullptr},
    {"310x", "n6", ".", nullptr, nullptr},
    {"310x", "n6", "1a", nullptr, nullptr},
    {"3100", "n6", "1.5", nullptr, nullptr}, // no "x" to fill in
};

class DecimalEntry : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(DecimalEntry, ThePointGivesTheLastDigitOfTheIdentifier) {
    const DecimalCase& c = GetParam();
    const std::optional<DecimalElement> element =
        decimalElement(c.appId, *appIdEntry(c.format), c.typed);
    if (!c.wantAppId) {
        EXPECT_FALSE(element.has_value()) << c.typed;
        return;
    }
    ASSERT_TRUE(element.has_value()) << c.typed;
    EXPECT_EQ(element->appId, c.wantAppId);
    EXPECT_EQ(element->value, c.wantValue);
}

INSTANTIATE_TEST_SUITE_P(Typed, DecimalEntry, ::testing::ValuesIn(DecimalCases));

TEST(AppIdTable, ReadsTheFixedColumnsTrimmed) {
    AppIdTable table;
    table.parse(QStringLiteral("01       GTIN                                    n14\r\n"
                               "10       Batch or lot number\n"
                               "3103     Net weight, kilograms                   n6   \n"
                               "\n"));
    const std::vector<AppIdTable::Row> want{{"01", "GTIN", "n14"},
                                            {"10", "Batch or lot number", ""},
                                            {"3103", "Net weight, kilograms", "n6"},
                                            {"", "", ""}};
    EXPECT_EQ(table.rows(), want);
}

TEST(AppIdTable, AMissingFileLeavesTheTableEmpty) {
    QTemporaryDir dir;
    AppIdTable table;
    table.parse(QStringLiteral("01       GTIN                                    n14\n"));
    EXPECT_FALSE(table.load(dir.filePath(AppIdTable::FileName)));
    EXPECT_TRUE(table.rows().empty());
    EXPECT_FALSE(table.load(QString()));
}

// The table the program ships: every identifier has digits (an "x" at most
// once, last) and a format that gives an entry.
TEST(AppIdTable, TheShippedTableGivesAnEntryForEveryIdentifier) {
    AppIdTable table;
    ASSERT_TRUE(table.load(QStringLiteral(TOLVANE_DATA_SOURCE_DIR "/appidtab.def")));
    ASSERT_GT(table.rows().size(), 100u);
    for (const AppIdTable::Row& row : table.rows()) {
        EXPECT_TRUE(appIdEntry(row.format).has_value()) << row.appId.toStdString();
        EXPECT_FALSE(row.description.isEmpty()) << row.appId.toStdString();
        QString digits = row.appId;
        if (digits.endsWith(u'x'))
            digits.chop(1);
        EXPECT_GE(row.appId.size(), 2);
        for (const QChar c : digits)
            EXPECT_TRUE(c.isDigit()) << row.appId.toStdString();
    }
}

TEST(AppIdTable, OnlyThePredefinedLengthsGoWithoutASeparator) {
    for (const char* appId : {"00", "01", "02", "11", "17", "20", "3103", "3692", "410", "417"})
        EXPECT_TRUE(hasPredefinedLength(appId)) << appId;
    for (const char* appId : {"10", "21", "30", "37", "3922", "422", "7003", "8005", "9"})
        EXPECT_FALSE(hasPredefinedLength(appId)) << appId;
}

} // namespace
