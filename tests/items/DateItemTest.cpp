#include "items/DateItem.h"
#include "ImageBytes.h"
#include "RenderHarness.h"
#include "document/ImageCalendar.h"
#include "document/ImageFile.h"
#include "document/ShiftTable.h"
#include "persist/DownloadBuffer.h"
#include "persist/MemoryStream.h"
#include "platform/Clock.h"
#include "platform/TolvError.h"
#include "texts/Messages.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

const std::string EnglishMonths = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";

DateItem normalDate(uint8_t field1, uint8_t field2, uint8_t field3, char separator = '/') {
    DateItem item;
    item.LeadZeros = true;
    item.Separator = separator;
    item.Field1 = field1;
    item.Field2 = field2;
    item.Field3 = field3;
    item.FirstDay = 1;
    item.FirstIndex = 1;
    return item;
}

DateItem ofType(DateItem::OverallType type, bool leadZeros, int32_t offset = 0) {
    DateItem item = normalDate(DateItem::Day, DateItem::Month, DateItem::Year4);
    item.DateType = type;
    item.LeadZeros = leadZeros;
    item.OffsetAmount = offset;
    return item;
}

DateItem withOffset(DateItem item, uint8_t unit, int32_t amount) {
    item.OffsetType = unit;
    item.OffsetAmount = amount;
    return item;
}

struct DateTextCase {
    const char* what;
    DateItem item;
    QDate today;
    std::string expected;
};

class DateTextTest : public ::testing::TestWithParam<DateTextCase> {};

TEST_P(DateTextTest, ShowsWhatTheHandheldPrints) {
    const DateTextCase& c = GetParam();
    EXPECT_EQ(c.item.dateText(c.today, EnglishMonths), c.expected) << c.what;
}

const DateItem DayMonthYear = normalDate(DateItem::Day, DateItem::Month, DateItem::Year4, '.');

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, DateTextTest,
    ::testing::Values(
        DateTextCase{"abbreviated month, two-digit year",
                     normalDate(DateItem::Day, DateItem::MonthAbbreviation, DateItem::Year2, '-'),
                     QDate(2024, 3, 5), "05-MAR-24"},
        DateTextCase{"an empty third part leaves the separator",
                     normalDate(DateItem::Day, DateItem::Month, DateItem::NoPart),
                     QDate(2024, 3, 5), "05/03/"},
        DateTextCase{"no lead zeros, one-digit year",
                     [] {
                         DateItem item =
                             normalDate(DateItem::Year1, DateItem::Month, DateItem::Day);
                         item.LeadZeros = false;
                         return item;
                     }(),
                     QDate(2024, 3, 5), "4/3/5"},
        DateTextCase{"a month after 31 January of a leap year",
                     withOffset(DayMonthYear, DateItem::Months, 1), QDate(2024, 1, 31),
                     "29.02.2024"},
        DateTextCase{"a month after 31 January of a common year",
                     withOffset(DayMonthYear, DateItem::Months, 1), QDate(2023, 1, 31),
                     "28.02.2023"},
        DateTextCase{"thirteen months run into the next year",
                     withOffset(DayMonthYear, DateItem::Months, 13), QDate(2023, 12, 31),
                     "31.01.2025"},
        DateTextCase{"a year after 29 February", withOffset(DayMonthYear, DateItem::Years, 1),
                     QDate(2024, 2, 29), "28.02.2025"},
        DateTextCase{"days", withOffset(DayMonthYear, DateItem::Days, 30), QDate(2024, 2, 15),
                     "16.03.2024"},
        DateTextCase{"day of the year wraps after 366 days", ofType(DateItem::JulianDay, false, 1),
                     QDate(2024, 12, 31), "1"},
        DateTextCase{"day of the year wraps after 365 days", ofType(DateItem::JulianDay, false, 1),
                     QDate(2023, 12, 31), "1"},
        DateTextCase{"day of the year with lead zeros", ofType(DateItem::JulianDay, true),
                     QDate(2024, 1, 9), "009"},
        // 999 days from 1 January 2024 is 26 September 2026.
        DateTextCase{"an offset beyond the next year stays a day of a year",
                     ofType(DateItem::JulianDay, false, 999), QDate(2024, 1, 1), "269"},
        DateTextCase{"week 1 with lead zeros", ofType(DateItem::WeekNumber, true),
                     QDate(2021, 1, 4), "01"},
        DateTextCase{"week 1 on Tuesday 31 December 2024", ofType(DateItem::WeekNumber, true, 9),
                     QDate(2024, 12, 31), "01"},
        DateTextCase{"an operator request shows its date",
                     [] {
                         DateItem item = ofType(DateItem::WeekNumber, false);
                         item.setOperatorRequest(true);
                         return item;
                     }(),
                     QDate(2021, 1, 1), "53"}));

// FirstDay Monday: Monday is the first day of the code week.
TEST(DateItem, DayCodesCountFromTheFirstDayAndTheFirstIndex) {
    DateItem item = ofType(DateItem::DayCode, false);
    const QDate monday(2024, 3, 4);
    for (const int firstIndex : {0, 1}) {
        item.FirstIndex = firstIndex;
        std::string codes;
        for (int d = 0; d < 7; ++d)
            codes += item.dateText(monday.addDays(d), EnglishMonths);
        EXPECT_EQ(codes, firstIndex == 0 ? "0123456" : "1234567");
    }
    item.FirstDay = 0; // Sunday first: Sunday 1, Monday 2, Saturday 7
    EXPECT_EQ(item.dateText(monday.addDays(6), EnglishMonths), "1");
    EXPECT_EQ(item.dateText(monday, EnglishMonths), "2");
    EXPECT_EQ(item.dateText(monday.addDays(5), EnglishMonths), "7");
}

// Weeks start on Monday and week 1 holds the year's first Thursday, so the
// count agrees with the ISO weeks every day.
TEST(DateItem, WeekNumbersAgreeWithIsoWeeks) {
    for (QDate day(1999, 1, 1); day <= QDate(2040, 12, 31); day = day.addDays(1))
        ASSERT_EQ(DateItem::weekNumber(day), day.weekNumber()) << day.toString().toStdString();
}

TEST(DateItem, TheTypeKeepsTheOperatorRequest) {
    DateItem item;
    item.setOperatorRequest(true);
    item.setOverallType(DateItem::DayCode);
    EXPECT_EQ(item.DateType, 7);
    EXPECT_EQ(item.overallType(), DateItem::DayCode);
    item.setOperatorRequest(true);
    EXPECT_EQ(item.DateType, 7);
    item.setOperatorRequest(false);
    item.setOperatorRequest(false);
    EXPECT_EQ(item.DateType, 3);
}

struct CalendarAt {
    explicit CalendarAt(QDate day) : clock(QDateTime(day, QTime(14, 30))) {}
    FixedClock clock;
    std::string imageMonths = "JA1FE2MR3AP4MY5JN6JL7AU8SE9OC0NOVDEC";
    ShiftTable shifts;
    DataStore::MonthLanguages languages{
        {{QStringLiteral("English"), QString::fromStdString(EnglishMonths)}}};
    ImageCalendar calendar{clock, languages, imageMonths, shifts};
};

Bytes compiledAt(const DateItem& item, const FontSet& fonts, const ItemCalendar& calendar) {
    DownloadBuffer buffer;
    item.compile(buffer, {fonts, 1, calendar});
    return {buffer.Bytes.begin() + 7, buffer.Bytes.begin() + buffer.Size};
}

TEST(DateItem, TheRecordCarriesTheSettingsAndTheDaysOfTheWeekCount) {
    RenderHarness h;
    CalendarAt at(QDate(2024, 3, 5));
    DateItem item = normalDate(DateItem::Day, DateItem::MonthAbbreviation, DateItem::Year2, '-');
    item.setPosition({60, 70});
    item.FontNumber = SansFont;
    item.DateType = DateItem::Normal + DateItem::OperatorRequestFlag;
    item.FirstDay = 3;
    item.WeekStartDate = DateItem::fileDate(QDate(2024, 3, 5)) + 0.75; // today, in the evening
    item.OffsetType = DateItem::Months;
    item.OffsetAmount = 0x1F4; // 500
    item.LanguageIndex = 2;
    EXPECT_EQ(compiledAt(item, h.fonts, at.calendar),
              (Bytes{'-', 2, 4, 1, 3, 5, 0, 1, 3, 1, 0xF4, 0x01, 0xFF}));
    at.clock.set(at.clock.now().addDays(7));
    item.Arabic = true;
    item.LeadZeros = false;
    const Bytes later = compiledAt(item, h.fonts, at.calendar);
    EXPECT_EQ(later[1], DateItem::ArabicLanguageByte);
    EXPECT_EQ(later[6], 7);
    EXPECT_EQ(later[12], 0x00);
    // The count runs on in its low byte.
    at.clock.set(QDateTime(QDate(2024, 3, 5).addDays(300), QTime(0, 1)));
    EXPECT_EQ(compiledAt(item, h.fonts, at.calendar)[6], 300 - 256);
}

// The item shows its text in the month language it names, on the day of the
// view's calendar, exactly as a text item with that text.
TEST(DateItem, DrawsItsTextOfTheCalendarsDay) {
    RenderHarness h;
    CalendarAt at(QDate(2024, 3, 5));
    h.display.setCalendar(&at.calendar);
    DateItem item = normalDate(DateItem::Day, DateItem::MonthAbbreviation, DateItem::Year2, '-');
    item.setPosition({200, 100});
    item.FontNumber = SerifFont;
    item.LanguageIndex = ItemCalendar::ImageMonthLanguage;
    item.FontBased = true;
    const QImage drawn = h.render(item);
    const auto text = textItemAt(SerifFont, 200, 100, 0, "05-MR3-24");
    EXPECT_EQ(drawn, h.render(*text));
    EXPECT_EQ(item.getScreenRect(h.display), text->getScreenRect(h.display));
    at.clock.set(QDateTime(QDate(2024, 3, 6), QTime(0, 0)));
    item.LanguageIndex = 0;
    EXPECT_EQ(h.render(item), h.render(*textItemAt(SerifFont, 200, 100, 0, "06-MAR-24")));
    h.display.setCalendar(nullptr);
}

// Older files lack the Arabic flag (before V2.0X001) and the lead zeros
// (before V3.1X000); those fields keep the loading item's blank values.
TEST(DateItem, OlderFilesCarryFewerFields) {
    DateItem item = normalDate(DateItem::Day, DateItem::Month, DateItem::Year4);
    item.Arabic = true;
    item.LeadZeros = true;
    const struct {
        ImageFileVersion version;
        int extraBytes;
        bool arabic;
        bool leadZeros;
    } cases[] = {{ImageFileVersion::V1_0X008, 0, false, false},
                 {ImageFileVersion::V2_0X000, 0, false, false},
                 {ImageFileVersion::V2_0X001, 1, true, false},
                 {ImageFileVersion::V2_1X000, 1, true, false},
                 {ImageFileVersion::V3_1X000, 2, true, true}};
    int32_t withoutFlags = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(ImageFile::versionText(c.version));
        ImageFileHeader header;
        header.Version = c.version;
        if (c.version != ImageFileVersion::V1_0X008)
            header.TypeCode = 2;
        header.Area = {0, 0, 4100, 228};
        ItemList items;
        items.append(item.clone());
        MemoryStream file;
        ImageFile::write(file, header, items, imageFileRegistry());
        file.setPosition(0);
        const ImageFileContents read = ImageFile::read(file, imageFileRegistry(), Messages());
        const auto& loaded = dynamic_cast<const DateItem&>(*read.Items->at(1));
        EXPECT_EQ(loaded.Arabic, c.arabic);
        EXPECT_EQ(loaded.LeadZeros, c.leadZeros);
        EXPECT_EQ(loaded.Field3, DateItem::Year4);
        EXPECT_TRUE(loaded.FontBased);
        if (c.version == ImageFileVersion::V2_0X000)
            withoutFlags = file.size();
        if (c.version == ImageFileVersion::V3_1X000) { // the same header as V2.0X000
            EXPECT_EQ(file.size(), withoutFlags + c.extraBytes);
        }
    }
}

TEST(DateItem, ValuesOutOfRangeMakeTheRecordUnreadable) {
    const struct {
        const char* what;
        void (*spoil)(DateItem&);
    } cases[] = {
        {"type", [](DateItem& d) { d.DateType = 8; }},
        {"first day", [](DateItem& d) { d.FirstDay = 7; }},
        {"part 1", [](DateItem& d) { d.Field1 = 7; }},
        {"part 2", [](DateItem& d) { d.Field2 = 200; }},
        {"part 3", [](DateItem& d) { d.Field3 = 7; }},
        {"offset unit", [](DateItem& d) { d.OffsetType = 3; }},
    };
    for (const auto& c : cases) {
        DateItem item = normalDate(DateItem::Day, DateItem::Month, DateItem::Year4);
        c.spoil(item);
        MemoryStream s;
        item.store(s, imageFileRegistry());
        s.setPosition(0);
        EXPECT_THROW(imageFileRegistry().loadRecord(s), TolvError) << c.what;
    }
    // The first index is taken as it is.
    DateItem item = normalDate(DateItem::Day, DateItem::Month, DateItem::Year4);
    item.FirstIndex = 9;
    item.DateType = 7;
    MemoryStream s;
    item.store(s, imageFileRegistry());
    s.setPosition(0);
    EXPECT_EQ(dynamic_cast<const DateItem&>(*imageFileRegistry().loadRecord(s)).FirstIndex, 9);
}

} // namespace
