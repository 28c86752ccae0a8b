#include "items/ShiftCodeItem.h"
#include "ImageBytes.h"
#include "RenderHarness.h"
#include "document/ImageCalendar.h"
#include "document/ShiftTable.h"
#include "platform/Clock.h"

#include <gtest/gtest.h>

namespace {

constexpr uint8_t Monday = 1;

double at(int hour, int minute) {
    return (hour * 60 + minute) / 1440.0;
}

std::unique_ptr<ShiftCodeItem> shiftCodeItem() {
    auto item = ImageItem::createNew<ShiftCodeItem>(SansFont);
    item->setPosition({60, 60});
    return item;
}

struct ShiftCase {
    QDateTime moment;
    const char* code;
};

// Shifts Monday 06:00 A, 14:00 B and 22:00 C on a view whose clock the test
// sets.
class ShiftCodeDrawing : public ::testing::TestWithParam<ShiftCase> {
protected:
    ShiftCodeDrawing() {
        shifts.add(Monday, at(6, 0), "A");
        shifts.add(Monday, at(14, 0), "B");
        shifts.add(Monday, at(22, 0), "C");
        h.display.setCalendar(&calendar);
    }
    RenderHarness h{1};
    FixedClock clock{QDateTime()};
    std::string monthStrings;
    ShiftTable shifts;
    ImageCalendar calendar{clock, DataStore::MonthLanguages{}, monthStrings, shifts};
};

QDateTime on(int day, int hour, int minute) {
    return QDateTime(QDate(2024, 3, day), QTime(hour, minute)); // 3 March 2024 is a Sunday
}

} // namespace

// The item shows the code of the shift running at the view's moment, drawn
// as a text item with that code would be.
TEST_P(ShiftCodeDrawing, ShowsTheRunningShift) {
    clock.set(GetParam().moment);
    const auto item = shiftCodeItem();
    const QImage drawn = h.render(*item);
    EXPECT_EQ(drawn, h.render(*textItemAt(SansFont, 60, 60, 0, GetParam().code)));
    EXPECT_EQ(item->getScreenRect(h.display),
              textItemAt(SansFont, 60, 60, 0, GetParam().code)->getScreenRect(h.display));
}

INSTANTIATE_TEST_SUITE_P(ShiftCodeItem, ShiftCodeDrawing,
                         ::testing::Values(ShiftCase{on(4, 13, 59), "A"},
                                           ShiftCase{on(4, 14, 0), "B"},
                                           ShiftCase{on(5, 5, 0), "C"},
                                           // before the week's first start: slot 1
                                           ShiftCase{on(3, 10, 0), "A"}));

TEST(ShiftCodeItem, RecordIsTheHeaderAlone) {
    RenderHarness h(1);
    const auto record = compiledRecord(*shiftCodeItem(), h.fonts, 1);
    EXPECT_EQ(record, (std::vector<uint8_t>{ShiftCodeItem::TypeCode, 21, 10, 0, 10, 0, 0}));
}
