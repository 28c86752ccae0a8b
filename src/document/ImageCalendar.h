#pragma once

#include "document/DataStore.h"
#include "printer/ItemCalendar.h"

#include <array>
#include <string>

class ShiftTable;

// The calendar of an open image: a clock, the month languages of the
// settings file, the image's own month strings and its shift table. The
// image's month strings and shift table are read where they live, so a
// change to either shows at the next drawing; without month strings of its
// own the image prints those of the first month language.
class ImageCalendar final : public ItemCalendar {
public:
    ImageCalendar(const Clock& clock, const DataStore::MonthLanguages& languages,
                  const std::string& imageMonthStrings, const ShiftTable& shifts);

    const Clock& clock() const override { return clock_; }
    std::string monthStrings(int languageIndex) const override;
    std::string shiftCodeAt(const QDateTime& moment) const override;

private:
    const Clock& clock_;
    std::array<std::string, 4> languages_; // as the image file keeps text
    const std::string& imageMonthStrings_;
    const ShiftTable& shifts_;
};
