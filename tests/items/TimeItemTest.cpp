#include "items/TimeItem.h"
#include "ImageBytes.h"
#include "RenderHarness.h"
#include "document/ImageCalendar.h"
#include "document/ShiftTable.h"
#include "persist/MemoryStream.h"
#include "persist/StreamHelpers.h"
#include "platform/Clock.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

std::unique_ptr<TimeItem> timeItem(bool format24Hr, int32_t suffix, char separator) {
    auto item = ImageItem::createNew<TimeItem>(SansFont);
    item->setPosition({60, 60});
    item->Format24Hr = format24Hr;
    item->SuffixIndex = suffix;
    item->TimeSeparator = uint8_t(separator);
    return item;
}

// A clock pinned to a moment, as the designer's view reads it.
struct PinnedView {
    explicit PinnedView(RenderHarness& h, QTime time)
        : clock(QDateTime(QDate(2024, 3, 4), time)),
          calendar(clock, DataStore::MonthLanguages{}, monthStrings, shifts) {
        h.display.setCalendar(&calendar);
    }
    FixedClock clock;
    std::string monthStrings;
    ShiftTable shifts;
    ImageCalendar calendar;
};

struct TimeCase {
    QTime time;
    bool format24Hr;
    int32_t suffix;
    char separator;
    const char* text;
};

class TimeText : public ::testing::TestWithParam<TimeCase> {};

} // namespace

// The hour goes to the 12-hour clock with every suffix style, style 0
// included, and no designator of the locale ever shows.
TEST_P(TimeText, FollowsTheClockSuffixAndSeparator) {
    const TimeCase& c = GetParam();
    EXPECT_EQ(timeItem(c.format24Hr, c.suffix, c.separator)->timeTextAt(c.time), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    TimeItem, TimeText,
    ::testing::Values(TimeCase{QTime(14, 5), true, TimeItem::NoSuffix, ':', "14:05"},
                      TimeCase{QTime(14, 5), true, TimeItem::UpperPair, ':', "14:05"},
                      TimeCase{QTime(0, 15), true, TimeItem::NoSuffix, ':', "00:15"},
                      TimeCase{QTime(14, 5), false, TimeItem::UpperPair, '.', "02.05PM"},
                      TimeCase{QTime(9, 30), false, TimeItem::NoSuffix, ':', "09:30"},
                      TimeCase{QTime(21, 30), false, TimeItem::NoSuffix, ':', "09:30"},
                      TimeCase{QTime(0, 15), false, TimeItem::LowerLetter, ':', "12:15a"},
                      TimeCase{QTime(12, 0), false, TimeItem::UpperLetter, ':', "12:00P"},
                      TimeCase{QTime(11, 59), false, TimeItem::LowerPair, '-', "11-59am"},
                      TimeCase{QTime(23, 59), false, TimeItem::LowerPair, '\xB7',
                               "11\xB7"
                               "59pm"}));

TEST(TimeItem, DrawingShowsAndKeepsTheTimeOfTheViewsClock) {
    RenderHarness h(1);
    PinnedView pinned(h, QTime(14, 5, 59));
    const auto item = timeItem(false, TimeItem::UpperPair, '.');
    const QImage drawn = h.render(*item);
    EXPECT_EQ(item->TimeText, "02.05PM");
    // Drawn as a text item of the same text would be.
    EXPECT_EQ(drawn, h.render(*textItemAt(SansFont, 60, 60, 0, "02.05PM")));
    EXPECT_EQ(item->getScreenRect(h.display),
              textItemAt(SansFont, 60, 60, 0, "02.05PM")->getScreenRect(h.display));
    pinned.clock.advanceSecs(1);
    {
        CanvasPainter painter(h.display);
        item->refresh(h.display);
    }
    EXPECT_EQ(item->TimeText, "02.06PM");
}

// Equality looks at the shown time only, so that two items differing only
// in their settings but drawn in the same minute are equal.
TEST(TimeItem, ItemsDrawnAlikeCompareEqualWhateverTheirSettings) {
    RenderHarness h(1);
    PinnedView pinned(h, QTime(14, 5));
    const auto a = timeItem(true, TimeItem::NoSuffix, ':');
    const auto b = timeItem(true, TimeItem::LowerPair, ':');
    h.render(*a);
    h.render(*b);
    EXPECT_TRUE(a->isEqual(*b));
    b->Format24Hr = false;
    h.render(*b);
    EXPECT_FALSE(a->isEqual(*b)); // 02:05pm now
}

TEST(TimeItem, DownloadRecordIsClockSeparatorAndSuffix) {
    RenderHarness h(1);
    const Bytes record = compiledRecord(*timeItem(false, TimeItem::UpperPair, '.'), h.fonts, 1);
    ASSERT_EQ(record.size(), 10u);
    EXPECT_EQ(record[0], TimeItem::TypeCode);
    EXPECT_EQ(Bytes(record.begin() + 7, record.end()), (Bytes{0x00, '.', 0x02}));
    EXPECT_EQ(compiledRecord(*timeItem(true, TimeItem::NoSuffix, ':'), h.fonts, 1).back(), 0x00);
}

// The record stores the text, the flag, the suffix as 32 bits and the
// separator byte; a suffix no style has is read as none.
TEST(TimeItem, StoredFieldsAndASuffixOutOfRange) {
    for (const int32_t suffix : {0, 4, 5, -1, 0x104}) {
        auto item = timeItem(true, suffix, '.');
        item->TimeText = "14.05";
        MemoryStream s;
        item->store(s, imageFileRegistry());
        const Bytes bytes = s.bytes();
        const Bytes own(bytes.end() - 15, bytes.end());
        MemoryStream expected;
        writeString(expected, "14.05");
        writeFlag(expected, true);
        writeLong(expected, suffix);
        writeByteValue(expected, '.');
        EXPECT_EQ(own, expected.bytes()) << suffix;

        s.setPosition(0);
        const auto loaded = imageFileRegistry().loadRecord(s);
        const auto& time = dynamic_cast<const TimeItem&>(*loaded);
        EXPECT_EQ(time.SuffixIndex, suffix >= 0 && suffix <= 4 ? suffix : 0) << suffix;
        EXPECT_EQ(time.TimeSeparator, '.');
    }
}

TEST(TimeItem, SeparatorIsTheOneAfterTheHoursOfTheTimeFormat) {
    const std::pair<const char*, uint8_t> cases[] = {
        {"HH:mm:ss", ':'},   {"h.mm AP", '.'}, {"HH'h'mm", ':'}, {"mm", ':'},
        {"HH\u65F6mm", ':'}, {"hh-mm", '-'},   {"", ':'},
    };
    for (const auto& [format, separator] : cases)
        EXPECT_EQ(TimeItem::separatorOfFormat(QString::fromUtf8(format)), separator) << format;
}
