#include "document/ShiftTable.h"

#include "persist/StreamHelpers.h"
#include "platform/TolvError.h"
#include "texts/Messages.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t DayMs = 24 * 60 * 60 * 1000;
constexpr uint8_t LastWeekday = 6;

std::string slotError(const char* what, const std::string& value, int slot) {
    return std::string("Invalid shift ") + what + " " + value + " in slot " + std::to_string(slot);
}

void checkDay(int32_t day, int number) {
    if (day < 0 || day > ShiftSlot::EmptyDay)
        throw TolvError(slotError("day", std::to_string(day), number));
}

void checkStart(double start, int number) {
    if (!std::isfinite(start))
        throw TolvError(slotError("start", std::to_string(start), number));
}

ShiftSlot readSlot(ByteStream& s, int number) {
    ShiftSlot slot;
    const int32_t day = readLong(s);
    checkDay(day, number);
    slot.Day = uint8_t(day);
    slot.Start = readReal(s);
    checkStart(slot.Start, number);
    slot.Code = readString(s);
    return slot;
}

} // namespace

int32_t ShiftTable::timeOfDayMs(double start) {
    // As date-time values decode: the fraction's size in whole milliseconds.
    const double fraction = std::abs(start - std::trunc(start));
    const auto ms = std::llround(fraction * DayMs);
    return int32_t(std::min<long long>(ms, DayMs - 1));
}

int ShiftTable::count() const {
    const auto firstEmpty =
        std::find_if(slots_.begin(), slots_.end(), [](const ShiftSlot& s) { return !s.used(); });
    return int(firstEmpty - slots_.begin());
}

ShiftTable::Refusal ShiftTable::check(uint8_t day, double start, const std::string& code) const {
    if (day > LastWeekday)
        return Refusal::NoSuchShift;
    if (code.size() != 1)
        return Refusal::InvalidShiftcode;
    return clashes(day, start, code);
}

ShiftTable::Refusal ShiftTable::clashes(uint8_t day, double start, const std::string& code) const {
    const int32_t time = timeOfDayMs(start);
    const auto sameDay = [day](const ShiftSlot& s) { return s.used() && s.Day == day; };
    if (std::any_of(slots_.begin(), slots_.end(),
                    [&](const ShiftSlot& s) { return sameDay(s) && timeOfDayMs(s.Start) == time; }))
        return Refusal::Duplicate;
    if (std::any_of(slots_.begin(), slots_.end(),
                    [&](const ShiftSlot& s) { return sameDay(s) && s.Code == code; }))
        return Refusal::SameCodeSameDay;
    return Refusal::None;
}

void ShiftTable::sort() {
    std::stable_sort(slots_.begin(), slots_.end(), [](const ShiftSlot& a, const ShiftSlot& b) {
        if (a.used() != b.used())
            return a.used();
        if (a.Day != b.Day)
            return a.Day < b.Day;
        return timeOfDayMs(a.Start) < timeOfDayMs(b.Start);
    });
}

ShiftTable::Refusal ShiftTable::add(uint8_t day, double start, const std::string& code) {
    const auto empty =
        std::find_if(slots_.begin(), slots_.end(), [](const ShiftSlot& s) { return !s.used(); });
    if (empty == slots_.end())
        return Refusal::TooManyShifts;
    const Refusal refusal = check(day, start, code);
    if (refusal != Refusal::None)
        return refusal;
    *empty = {day, start, code};
    sort();
    return Refusal::None;
}

ShiftTable::Refusal ShiftTable::replace(int number, uint8_t day, double start,
                                        const std::string& code) {
    if (!inUse(number))
        return Refusal::NoSuchShift;
    const Refusal refusal = check(day, start, code);
    if (refusal != Refusal::None)
        return refusal;
    slots_[size_t(number - 1)] = {day, start, code};
    sort();
    return Refusal::None;
}

ShiftTable::Refusal ShiftTable::changeDay(int number, uint8_t day) {
    if (!inUse(number))
        return Refusal::NoSuchShift;
    if (day > LastWeekday)
        return Refusal::NoSuchShift;
    ShiftSlot& slot = slots_[size_t(number - 1)];
    const Refusal refusal = clashes(day, slot.Start, slot.Code);
    if (refusal != Refusal::None)
        return refusal;
    slot.Day = day;
    return Refusal::None;
}

void ShiftTable::remove(int number) {
    if (number < 1 || number > SlotCount)
        return;
    std::move(slots_.begin() + number, slots_.end(), slots_.begin() + (number - 1));
    slots_.back() = ShiftSlot{};
}

int ShiftTable::find(uint8_t day, double start, const std::string& code) const {
    const int32_t time = timeOfDayMs(start);
    for (int i = 0; i < SlotCount; ++i) {
        const ShiftSlot& s = slots_[size_t(i)];
        if (s.used() && s.Day == day && timeOfDayMs(s.Start) == time && s.Code == code)
            return i + 1;
    }
    return 0;
}

QString ShiftTable::messageFor(Refusal refusal, const Messages& m) {
    switch (refusal) {
    case Refusal::TooManyShifts:
        return m.TooManyShiftsError;
    case Refusal::InvalidShiftcode:
        return m.InvalidShiftcodeError;
    case Refusal::Duplicate:
        return m.DuplicateShiftError;
    case Refusal::SameCodeSameDay:
        return m.DifferentShiftWithSameCodeError;
    default:
        return {};
    }
}

std::string ShiftTable::currentShiftCode(const QDateTime& moment) const {
    // Everything is measured from the start of the moment's week (Sunday).
    const int64_t now =
        int64_t(moment.date().dayOfWeek() % 7) * DayMs + moment.time().msecsSinceStartOfDay();
    int64_t best = INT64_MAX;
    const ShiftSlot* chosen = nullptr;
    for (const ShiftSlot& s : slots_) {
        if (!s.used())
            continue;
        const int64_t started = int64_t(s.Day) * DayMs + timeOfDayMs(s.Start);
        if (now >= started && now - started < best) {
            best = now - started;
            chosen = &s;
        }
    }
    if (chosen)
        return chosen->Code;
    // Before the week's first start the first slot's shift is still running.
    const bool anyUsed =
        std::any_of(slots_.begin(), slots_.end(), [](auto& s) { return s.used(); });
    return anyUsed ? slots_[0].Code : std::string();
}

std::vector<uint8_t> ShiftTable::compiledBlock() const {
    std::vector<uint8_t> block{0};
    for (const ShiftSlot& s : slots_) {
        if (!s.used())
            continue;
        const int32_t minutes = timeOfDayMs(s.Start) / 60000;
        block.push_back(s.Day);
        block.push_back(uint8_t(minutes / 60));
        block.push_back(uint8_t(minutes % 60));
        block.push_back(s.Code.empty() ? 0 : uint8_t(s.Code[0]));
        ++block[0];
    }
    return block;
}

void ShiftTable::load(ByteStream& s) {
    std::array<ShiftSlot, SlotCount> read{};
    for (int i = 0; i < SlotCount; ++i)
        read[size_t(i)] = readSlot(s, i + 1);
    slots_ = std::move(read);
}

void ShiftTable::store(ByteStream& s) const {
    // A table that load would refuse is never written.
    for (int i = 0; i < SlotCount; ++i) {
        checkDay(slots_[size_t(i)].Day, i + 1);
        checkStart(slots_[size_t(i)].Start, i + 1);
    }
    for (const ShiftSlot& slot : slots_) {
        writeLong(s, slot.Day);
        writeReal(s, slot.Start);
        writeString(s, slot.Code);
    }
}
