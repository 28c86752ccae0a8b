#pragma once

#include "items/TemporalItem.h"

#include <QDate>

#include <string>
#include <tuple>

// A date the handheld works out when it prints: a normal date of up to three
// parts (day, month as a number or an abbreviation, year) joined by a
// separator, the day of the year, the week number, or a day code (the
// weekday's number in a week that starts on a chosen day). A normal date and
// the day of the year may lie an offset after the day of printing. As an
// operator request the handheld asks its operator for the date.
//
// The designer shows what the item prints on the day its calendar gives; the
// value is worked out again at every drawing.
class DateItem : public Persistent<DateItem, TemporalItem> {
public:
    static constexpr auto RecordName = "DateItem";
    static constexpr uint8_t TypeCode = 0x02;

    // The overall types; DateType adds OperatorRequestFlag to one of them.
    enum OverallType : uint8_t { Normal = 0, JulianDay = 1, WeekNumber = 2, DayCode = 3 };
    static constexpr uint8_t OperatorRequestFlag = 4;
    static constexpr uint8_t DateTypeLimit = 8;
    // What a part of a normal date shows.
    enum Part : uint8_t { NoPart, Day, Month, MonthAbbreviation, Year4, Year2, Year1, PartLimit };
    enum OffsetUnit : uint8_t { Days = 0, Months = 1, Years = 2, OffsetUnitLimit = 3 };
    static constexpr int32_t MaxOffsetAmount = 999;
    static constexpr uint8_t WeekdayLimit = 7; // FirstDay: 0 Sunday … 6 Saturday
    // The record's language byte of a date printed in Arabic.
    static constexpr uint8_t ArabicLanguageByte = 0xFF;

    bool Arabic = false;
    bool LeadZeros = false;
    char Separator = 0;
    uint8_t DateType = 0; // overall type, plus OperatorRequestFlag for a request
    uint8_t FirstDay = 0;
    int32_t FirstIndex = 0; // the day code of the week's first day, 0 or 1
    uint8_t Field1 = 0;
    uint8_t Field2 = 0;
    uint8_t Field3 = 0;
    double WeekStartDate = 0; // days since 30 December 1899, as files keep dates
    uint8_t OffsetType = 0;
    int32_t OffsetAmount = 0;
    int32_t LanguageIndex = 0; // month language 0..3, or the image's own (4)

    DateItem() = default;

    // Refuses (TolvError) a type, weekday, part or offset unit out of range.
    // Older files lack Arabic (before V2.0X001) and LeadZeros (before
    // V3.1X000); those stay as they were.
    void load(ByteStream& s, const ClassRegistry& registry) override;
    void store(ByteStream& s, const ClassRegistry& registry) const override;
    auto comparedFields() const {
        return std::tie(Separator, DateType, FirstDay, FirstIndex, Field1, Field2, Field3,
                        WeekStartDate, OffsetType, OffsetAmount, LanguageIndex, Arabic, LeadZeros);
    }

    uint8_t getTypeCode() const override { return TypeCode; }
    QString getKindName(const ItemTypeNames& names) const override;

    OverallType overallType() const;
    // Keeps the operator request.
    void setOverallType(OverallType type);
    bool operatorRequest() const { return DateType >= OperatorRequestFlag; }
    void setOperatorRequest(bool request);

    // What the item prints on today, with the month abbreviations given
    // (twelve of three characters, January first).
    std::string dateText(QDate today, const std::string& monthStrings) const;
    // The same as if the offset were none.
    std::string dateTextWithoutOffset(QDate today, const std::string& monthStrings) const;
    // The week of today: weeks start on Monday, and week 1 is the week that
    // holds the year's first Thursday.
    static int weekNumber(QDate today);
    // The week number as the item shows it.
    static std::string weekNumberText(QDate today, bool leadZeros);
    // The day a normal date shows: today moved by amount units.
    static QDate offsetDate(QDate today, int unit, int32_t amount);

    // Dates as files keep them: days since 30 December 1899.
    static double fileDate(QDate date);
    // The separator of the system's short date format; '/' without one.
    static char systemDateSeparator();

    void draw(DotCanvas& view) override;
    EdgeRect getScreenRect(DotCanvas& view) override;

protected:
    void initDefaults(int32_t currentFontNumber) override;
    // After the header, 13 bytes: separator, language (0xFF for Arabic),
    // date type, the three parts, the days since the week count started
    // (low byte), first index, first day, offset unit and amount (2 bytes,
    // low first), and 0xFF for lead zeros.
    void compileRecord(std::vector<uint8_t>& record, const CompileContext& context) const override;

private:
    std::string shownText(DotCanvas& view) const;
};
