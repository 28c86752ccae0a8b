#pragma once

#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class Messages;
class ByteStream;

// One slot of the shift table: the weekday the shift starts on, its start time
// of day and its one-character code.
struct ShiftSlot {
    static constexpr uint8_t EmptyDay = 7;

    uint8_t Day = EmptyDay; // 0 Sunday … 6 Saturday; 7 marks an empty slot
    double Start = 0.0;     // fraction of a day, as date-time values keep it
    std::string Code;

    bool used() const { return Day != EmptyDay; }
    bool operator==(const ShiftSlot&) const = default;
};

// The work shifts of an image: 25 slots, used ones first and sorted by day and
// start. A shift runs from its start until the next one of the week starts, so
// the code printed at a moment is the one of the latest start at or before it.
//
// The editing operations keep the invariants (no two shifts with the same day
// and start, no code twice on one day) and say why they refused a change, so
// the shift times dialog only has to show the matching message.
class ShiftTable {
public:
    static constexpr int SlotCount = 25;

    enum class Refusal {
        None,
        TooManyShifts,    // TooManyShiftsError
        InvalidShiftcode, // InvalidShiftcodeError: not exactly one character
        Duplicate,        // DuplicateShiftError: same day and start
        SameCodeSameDay,  // DifferentShiftWithSameCodeError
        NoSuchShift,      // a day outside 0..6 or a slot number not in use
    };

    // Slot 1 .. 25.
    const ShiftSlot& slot(int number) const { return slots_.at(size_t(number - 1)); }
    // The used slots before the first empty one.
    int count() const;
    int slotsLeft() const { return SlotCount - count(); }
    bool isEmpty() const { return count() == 0; }

    // Puts a new shift into the first empty slot and sorts the table.
    Refusal add(uint8_t day, double start, const std::string& code);
    // Gives slot number a new day, start and code and sorts the table. The
    // slot's old values take part in the checks, so a replacement must differ
    // from it in both the start and the code.
    Refusal replace(int number, uint8_t day, double start, const std::string& code);
    // Moves the shift of slot number to another day without sorting.
    Refusal changeDay(int number, uint8_t day);
    // Removes slot number; the slots after it move down and slot 25 empties.
    void remove(int number);
    // The slot holding exactly this shift; 0 when none does.
    int find(uint8_t day, double start, const std::string& code) const;
    // The message of the settings file's error table that explains a refusal;
    // empty for None and NoSuchShift, which only a caller's fault produces.
    static QString messageFor(Refusal refusal, const Messages& messages);

    // The code of the shift running at moment; empty without shifts.
    std::string currentShiftCode(const QDateTime& moment) const;
    // The download form: the number of used slots, then day, hour, minute and
    // the first character of the code of each.
    std::vector<uint8_t> compiledBlock() const;

    // All 25 slots in slot order: day (int32), start (double), code (string).
    // load reads into a fresh table and replaces this one only when every
    // slot was read; a day outside 0..7 or a start that is not a number
    // raises TolvError, and store refuses to write such a slot.
    void load(ByteStream& s);
    void store(ByteStream& s) const;

    // Slot number's contents, as a file or a test sets them; no checks.
    void setSlot(int number, const ShiftSlot& slot) { slots_.at(size_t(number - 1)) = slot; }
    bool operator==(const ShiftTable&) const = default;

    // Milliseconds since midnight of a start value, as the time of day shows it.
    static int32_t timeOfDayMs(double start);

private:
    Refusal check(uint8_t day, double start, const std::string& code) const;
    Refusal clashes(uint8_t day, double start, const std::string& code) const;
    bool inUse(int number) const { return number >= 1 && number <= count(); }
    void sort();

    std::array<ShiftSlot, SlotCount> slots_{};
};
