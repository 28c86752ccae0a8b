#include "document/ImageCalendar.h"
#include "document/ShiftTable.h"
#include "platform/Clock.h"
#include "printer/DotCanvas.h"
#include "printer/FontSet.h"

#include <gtest/gtest.h>

namespace {

DataStore::MonthLanguages languages() {
    DataStore::MonthLanguages l;
    l[0].strings = QStringLiteral("JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC");
    l[1].strings = QStringLiteral("JANFEVMARAVRMAIJUNJULAOUSEPOCTNOVD\u00C9C");
    l[3].strings = QStringLiteral("ENEFEBMARABRMAYJUNJULAGOSEPOCTNOVDIC");
    return l;
}

} // namespace

// Items pick their month names by language index; the image's own names are
// read where the image keeps them, and an image without any prints the first
// language's, as its download does.
TEST(ImageCalendar, MonthStringsFollowTheLanguageIndexAndTheImage) {
    const FixedClock clock(QDateTime(QDate(2024, 3, 5), QTime(10, 0)));
    std::string imageMonths;
    const ShiftTable shifts;
    const ImageCalendar calendar(clock, languages(), imageMonths, shifts);

    EXPECT_EQ(calendar.monthStrings(0), "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC");
    EXPECT_EQ(calendar.monthStrings(1), "JANFEVMARAVRMAIJUNJULAOUSEPOCTNOVD\xC9"
                                        "C");
    EXPECT_EQ(calendar.monthStrings(2), "");
    EXPECT_EQ(calendar.monthStrings(3), "ENEFEBMARABRMAYJUNJULAGOSEPOCTNOVDIC");
    EXPECT_EQ(calendar.monthStrings(ItemCalendar::ImageMonthLanguage), calendar.monthStrings(0));
    EXPECT_EQ(calendar.monthStrings(-1), "");
    EXPECT_EQ(calendar.monthStrings(5), "");

    imageMonths = "STYLUTMARKWIMAJCZELIPSIEWRZPAZLISGRU";
    EXPECT_EQ(calendar.monthStrings(ItemCalendar::ImageMonthLanguage), imageMonths);
    EXPECT_EQ(calendar.now(), clock.now());
}

TEST(ImageCalendar, ACanvasWithoutOneSeesTheSystemClockAndNothingElse) {
    PrinterModels models(nullptr);
    const FontSet fonts(models);
    DotCanvas canvas(fonts, models);
    EXPECT_EQ(&canvas.calendar(), &systemCalendar());
    EXPECT_LE(std::abs(canvas.calendar().now().secsTo(QDateTime::currentDateTime())), 5);
    EXPECT_EQ(canvas.calendar().monthStrings(0), "");
    EXPECT_EQ(canvas.calendar().shiftCodeAt(QDateTime::currentDateTime()), "");

    const FixedClock clock(QDateTime(QDate(2024, 3, 4), QTime(15, 0)));
    const std::string imageMonths;
    const ShiftTable shifts;
    const ImageCalendar calendar(clock, languages(), imageMonths, shifts);
    canvas.setCalendar(&calendar);
    EXPECT_EQ(canvas.calendar().now(), clock.now());
    canvas.setCalendar(nullptr);
    EXPECT_EQ(&canvas.calendar(), &systemCalendar());
}
