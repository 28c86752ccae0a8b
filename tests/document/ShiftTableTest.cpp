#include "document/ShiftTable.h"
#include "persist/MemoryStream.h"
#include "platform/TolvError.h"

#include <gtest/gtest.h>

namespace {

constexpr uint8_t Monday = 1, Tuesday = 2;

double at(int hour, int minute) {
    return (hour * 60 + minute) / 1440.0;
}

ShiftTable threeMondayShifts() {
    ShiftTable t;
    t.add(Monday, at(22, 0), "C");
    t.add(Monday, at(6, 0), "A");
    t.add(Monday, at(14, 0), "B");
    return t;
}

} // namespace

TEST(ShiftTable, FileBlockRoundTripsAllTwentyFiveSlots) {
    ShiftTable t = threeMondayShifts();
    MemoryStream s;
    t.store(s);
    // Each slot: day, start, code length and code; the empty ones have no code.
    EXPECT_EQ(s.bytes().size(), size_t(3 * 17 + 22 * 16));
    s.setPosition(0);
    ShiftTable read;
    read.load(s);
    EXPECT_EQ(read, t);
    EXPECT_EQ(read.slot(2).Start, at(14, 0)); // exactly
}

TEST(ShiftTable, ADayAboveSevenFailsToLoadAndChangesNothing) {
    const ShiftTable before = threeMondayShifts();
    ShiftTable bad;
    bad.setSlot(25, {ShiftSlot::EmptyDay, 0.0, ""});
    MemoryStream s;
    bad.store(s);
    std::vector<uint8_t> bytes = s.bytes();
    bytes[size_t(24 * 16)] = 8; // the last slot's day
    MemoryStream damaged(bytes);
    ShiftTable t = before;
    EXPECT_THROW(t.load(damaged), TolvError);
    EXPECT_EQ(t, before);
}

TEST(ShiftTable, CompiledBlockHoldsDayHourMinuteAndCode) {
    ShiftTable t;
    EXPECT_EQ(t.compiledBlock(), std::vector<uint8_t>{0});
    t.add(Tuesday, at(22, 0), "C");
    t.add(Monday, at(6, 30), "A");
    t.add(Monday, 14.0 / 24.0, "B"); // a fraction just short of 14:00 in binary
    EXPECT_EQ(t.compiledBlock(),
              (std::vector<uint8_t>{3, 1, 6, 30, 'A', 1, 14, 0, 'B', 2, 22, 0, 'C'}));
}
