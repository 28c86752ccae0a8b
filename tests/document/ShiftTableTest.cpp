#include "document/ShiftTable.h"
#include "persist/TMemoryStream.h"
#include "platform/TolvError.h"

#include <gtest/gtest.h>

using Refusal = ShiftTable::Refusal;

namespace {

constexpr uint8_t Sunday = 0, Monday = 1, Tuesday = 2;

double at(int hour, int minute) {
    return (hour * 60 + minute) / 1440.0;
}

// 2024-01-01 was a Monday.
QDateTime moment(int day, int hour, int minute) {
    return {QDate(2023, 12, 31).addDays(day), QTime(hour, minute)};
}

ShiftTable threeMondayShifts() {
    ShiftTable t;
    t.Add(Monday, at(22, 0), "C");
    t.Add(Monday, at(6, 0), "A");
    t.Add(Monday, at(14, 0), "B");
    return t;
}

std::vector<std::string> codes(const ShiftTable& t) {
    std::vector<std::string> c;
    for (int i = 1; i <= t.Count(); ++i)
        c.push_back(t.Slot(i).Code);
    return c;
}

} // namespace

TEST(ShiftTable, TheRunningShiftStartedLastWithinTheWeek) {
    const ShiftTable t = threeMondayShifts();
    EXPECT_EQ(t.CurrentShiftCode(moment(Monday, 13, 59)), "A");
    EXPECT_EQ(t.CurrentShiftCode(moment(Monday, 14, 0)), "B");
    EXPECT_EQ(t.CurrentShiftCode(moment(Tuesday, 5, 0)), "C");
    // Before the week's first start the first slot is taken.
    EXPECT_EQ(t.CurrentShiftCode(moment(Sunday, 10, 0)), "A");
    EXPECT_EQ(ShiftTable().CurrentShiftCode(moment(Monday, 10, 0)), "");
}

TEST(ShiftTable, AddingKeepsTheTableSortedAndRefusesClashes) {
    ShiftTable t = threeMondayShifts();
    EXPECT_EQ(codes(t), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(t.Add(Monday, at(6, 0), "X"), Refusal::Duplicate);
    EXPECT_EQ(t.Add(Monday, at(8, 0), "A"), Refusal::SameCodeSameDay);
    EXPECT_EQ(t.Add(Monday, at(8, 0), ""), Refusal::InvalidShiftcode);
    EXPECT_EQ(t.Add(Monday, at(8, 0), "AB"), Refusal::InvalidShiftcode);
    EXPECT_EQ(t.Add(7, at(8, 0), "D"), Refusal::NoSuchShift);
    EXPECT_EQ(t.Count(), 3);
    EXPECT_EQ(t.Add(Tuesday, at(6, 0), "A"), Refusal::None);
    EXPECT_EQ(t.Add(Sunday, at(23, 0), "Z"), Refusal::None);
    EXPECT_EQ(codes(t), (std::vector<std::string>{"Z", "A", "B", "C", "A"}));
    EXPECT_EQ(ShiftTable::MessageFor(Refusal::Duplicate),
              "Error - a shift already exists with these settings.");
    EXPECT_EQ(ShiftTable::MessageFor(Refusal::SameCodeSameDay),
              "Error - this shift code already in use.");
}

TEST(ShiftTable, TwentyFiveShiftsFillTheTable) {
    ShiftTable t;
    for (int i = 0; i < 25; ++i)
        ASSERT_EQ(t.Add(uint8_t(i % 7), at(i, 0) / 2, std::string(1, char('a' + i))),
                  Refusal::None);
    EXPECT_EQ(t.Add(Sunday, at(23, 59), "Z"), Refusal::TooManyShifts);
    EXPECT_EQ(ShiftTable::MessageFor(Refusal::TooManyShifts), "Error - too many shifts. (Max. 25)");
    EXPECT_EQ(t.Count(), 25);
    EXPECT_EQ(t.SlotsLeft(), 0);
}

TEST(ShiftTable, ReplaceChangeDayAndDelete) {
    ShiftTable t = threeMondayShifts();
    // The replaced shift takes part in the checks.
    EXPECT_EQ(t.Replace(1, Monday, at(6, 0), "D"), Refusal::Duplicate);
    EXPECT_EQ(t.Replace(1, Monday, at(7, 0), "A"), Refusal::SameCodeSameDay);
    EXPECT_EQ(t.Replace(1, Monday, at(23, 0), "D"), Refusal::None);
    EXPECT_EQ(codes(t), (std::vector<std::string>{"B", "C", "D"}));
    EXPECT_EQ(t.Replace(4, Monday, at(1, 0), "E"), Refusal::NoSuchShift);

    EXPECT_EQ(t.ChangeDay(3, Sunday), Refusal::None); // not re-sorted
    EXPECT_EQ(t.Slot(3).Day, Sunday);
    EXPECT_EQ(t.Find(Sunday, at(23, 0), "D"), 3);
    EXPECT_EQ(t.ChangeDay(1, Monday), Refusal::Duplicate);

    t.Delete(1);
    EXPECT_EQ(t.Count(), 2);
    EXPECT_EQ(codes(t), (std::vector<std::string>{"C", "D"}));
    EXPECT_FALSE(t.Slot(3).Used());
}

TEST(ShiftTable, FileBlockRoundTripsAllTwentyFiveSlots) {
    ShiftTable t = threeMondayShifts();
    TMemoryStream s;
    t.Store(s);
    // Each slot: day, start, code length and code; the empty ones have no code.
    EXPECT_EQ(s.bytes().size(), size_t(3 * 17 + 22 * 16));
    s.SetPosition(0);
    ShiftTable read;
    read.Load(s);
    EXPECT_EQ(read, t);
    EXPECT_EQ(read.Slot(2).Start, at(14, 0)); // exactly
}

TEST(ShiftTable, ADayAboveSevenFailsToLoadAndChangesNothing) {
    const ShiftTable before = threeMondayShifts();
    ShiftTable bad;
    bad.SetSlot(25, {ShiftSlot::EmptyDay, 0.0, ""});
    TMemoryStream s;
    bad.Store(s);
    std::vector<uint8_t> bytes = s.bytes();
    bytes[size_t(24 * 16)] = 8; // the last slot's day
    TMemoryStream damaged(bytes);
    ShiftTable t = before;
    EXPECT_THROW(t.Load(damaged), TolvError);
    EXPECT_EQ(t, before);
}

TEST(ShiftTable, CompiledBlockHoldsDayHourMinuteAndCode) {
    ShiftTable t;
    EXPECT_EQ(t.CompiledBlock(), std::vector<uint8_t>{0});
    t.Add(Tuesday, at(22, 0), "C");
    t.Add(Monday, at(6, 30), "A");
    t.Add(Monday, 14.0 / 24.0, "B"); // a fraction just short of 14:00 in binary
    EXPECT_EQ(t.CompiledBlock(),
              (std::vector<uint8_t>{3, 1, 6, 30, 'A', 1, 14, 0, 'B', 2, 22, 0, 'C'}));
}
