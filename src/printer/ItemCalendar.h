#pragma once

#include <QDateTime>

#include <string>

class Clock;

// What the date, time and shift code items read when they show or compile
// the moment of printing: the clock, the month abbreviations they print and
// the shift running at a moment. The open image provides one (ImageCalendar);
// without one, items see the system clock, no month abbreviations and no
// shifts.
class ItemCalendar {
public:
    // The month languages 0..3 of the settings file, then the image's own.
    static constexpr int ImageMonthLanguage = 4;

    virtual ~ItemCalendar() = default;

    virtual const Clock& clock() const = 0;
    QDateTime now() const;
    // Twelve three-character abbreviations, January first, of a month
    // language (0..3, or ImageMonthLanguage); empty for any other index.
    virtual std::string monthStrings(int languageIndex) const = 0;
    // The code of the shift running at moment; empty without shifts.
    virtual std::string shiftCodeAt(const QDateTime& moment) const = 0;
};

// The system clock, no month abbreviations, no shifts.
const ItemCalendar& systemCalendar();
