#pragma once

#include "items/TemporalItem.h"

#include <QTime>

#include <string>
#include <tuple>

class QString;

// The time of day in hours and minutes, which the handheld fills in when it
// prints: on the 24-hour clock, or on the 12-hour clock with one of the
// suffix styles of the settings file's time formats (none, A/P, AM/PM, a/p,
// am/pm). The designer shows the time of the latest drawing in TimeText.
class TimeItem : public Persistent<TimeItem, TemporalItem> {
public:
    static constexpr auto RecordName = "TimeItem";
    static constexpr uint8_t TypeCode = 0x08;
    // The suffix styles, in the order of the time formats Format0 … Format4.
    enum Suffix : int32_t { NoSuffix, UpperLetter, UpperPair, LowerLetter, LowerPair };
    static constexpr int32_t SuffixCount = 5;

    bool Format24Hr = false;
    uint8_t TimeSeparator = 0; // a Windows-1252 byte
    int32_t SuffixIndex = NoSuffix;
    std::string TimeText;

    TimeItem() = default;

    // A suffix index outside the five styles, as a damaged file may hold
    // it, is read as none.
    void load(ByteStream& s, const ClassRegistry& registry) override;
    void store(ByteStream& s, const ClassRegistry& registry) const override;
    // Besides the placement, items compare by the time they last showed, so
    // two items drawn in the same minute are equal whatever their settings.
    auto comparedFields() const { return std::tie(TimeText); }

    uint8_t getTypeCode() const override { return TypeCode; }
    QString getKindName(const ItemTypeNames& names) const override;

    // The time text of the item's settings at time: two-digit hours and
    // minutes around the separator; on the 12-hour clock hours 01 to 12 and
    // the suffix of the style (none for style 0), never a designator of the
    // locale.
    std::string timeTextAt(const QTime& time) const;
    // The character between hours and minutes in the system's short time
    // format; ':' when that has none the handheld can print.
    static uint8_t systemTimeSeparator();
    // The same for a time format in QLocale's notation.
    static uint8_t separatorOfFormat(const QString& format);

    void draw(DotCanvas& view) override;
    EdgeRect getScreenRect(DotCanvas& view) override;

protected:
    void initDefaults(int32_t currentFontNumber) override;
    // After the header: the 24-hour flag, the separator and the suffix
    // style's low byte.
    void compileRecord(std::vector<uint8_t>& record, const CompileContext& context) const override;
};
