#include "items/DateItem.h"

#include "document/ImageFile.h"
#include "document/ItemTypeNames.h"
#include "persist/StreamHelpers.h"
#include "platform/TolvError.h"
#include "platform/Windows1252.h"
#include "printer/DotCanvas.h"

#include <QLocale>

#include <cmath>

namespace {

const QDate FileDateOrigin(1899, 12, 30);

uint8_t readLimited(ByteStream& s, int32_t limit, const char* what) {
    const int32_t value = readLong(s);
    if (value < 0 || value >= limit)
        throw TolvError(std::string("Invalid date ") + what + " " + std::to_string(value) +
                        " in item record");
    return uint8_t(value);
}

// Weekdays numbered Monday 1 … Sunday 7.
int mondayWeekday(QDate date) {
    return date.dayOfWeek();
}

std::string twoDigits(int value, bool leadZeros) {
    std::string text = std::to_string(value);
    return leadZeros && value >= 0 && value < 10 ? "0" + text : text;
}

std::string lastCharacters(const std::string& text, std::size_t count) {
    return text.size() <= count ? text : text.substr(text.size() - count);
}

// The whole days of a file date; a damaged value counts as the origin.
int64_t wholeDays(double fileDate) {
    constexpr double Limit = 1e9;
    if (!std::isfinite(fileDate) || std::fabs(fileDate) > Limit)
        return 0;
    return int64_t(std::trunc(fileDate));
}

} // namespace

void DateItem::load(ByteStream& s, const ClassRegistry& registry) {
    ImageItem::load(s, registry);
    const auto separator = char(readByteValue(s));
    const uint8_t dateType = readLimited(s, DateTypeLimit, "type");
    const uint8_t firstDay = readLimited(s, WeekdayLimit, "first day");
    const int32_t firstIndex = readLong(s);
    const uint8_t field1 = readLimited(s, PartLimit, "part");
    const uint8_t field2 = readLimited(s, PartLimit, "part");
    const uint8_t field3 = readLimited(s, PartLimit, "part");
    const double weekStartDate = readReal(s);
    const uint8_t offsetType = readLimited(s, OffsetUnitLimit, "offset unit");
    const int32_t offsetAmount = readLong(s);
    const int32_t languageIndex = readLong(s);
    const ImageFileVersion version = ImageFile::recordVersion(s);
    bool arabic = Arabic;
    bool leadZeros = LeadZeros;
    if (version >= ImageFileVersion::V2_0X001)
        arabic = readFlag(s);
    if (version >= ImageFileVersion::V3_1X000)
        leadZeros = readFlag(s);
    Separator = separator;
    DateType = dateType;
    FirstDay = firstDay;
    FirstIndex = firstIndex;
    Field1 = field1;
    Field2 = field2;
    Field3 = field3;
    WeekStartDate = weekStartDate;
    OffsetType = offsetType;
    OffsetAmount = offsetAmount;
    LanguageIndex = languageIndex;
    Arabic = arabic;
    LeadZeros = leadZeros;
    FontBased = true;
}

void DateItem::store(ByteStream& s, const ClassRegistry& registry) const {
    ImageItem::store(s, registry);
    writeByteValue(s, uint8_t(Separator));
    for (const int32_t value : {int32_t(DateType), int32_t(FirstDay), FirstIndex, int32_t(Field1),
                                int32_t(Field2), int32_t(Field3)})
        writeLong(s, value);
    writeReal(s, WeekStartDate);
    writeLong(s, OffsetType);
    writeLong(s, OffsetAmount);
    writeLong(s, LanguageIndex);
    // A file of an older layout is written back as it was read.
    const ImageFileVersion version = ImageFile::recordVersion(s);
    if (version >= ImageFileVersion::V2_0X001)
        writeFlag(s, Arabic);
    if (version >= ImageFileVersion::V3_1X000)
        writeFlag(s, LeadZeros);
}

QString DateItem::getKindName(const ItemTypeNames& names) const {
    return names.DateItemType;
}

void DateItem::initDefaults(int32_t currentFontNumber) {
    ImageItem::initDefaults(currentFontNumber);
    Arabic = false;
    LeadZeros = true;
    Separator = systemDateSeparator();
    DateType = Normal;
    FirstDay = 1; // Monday
    FirstIndex = 1;
    Field1 = Day;
    Field2 = Month;
    Field3 = Year4;
    // A new item has no calendar yet; its week count starts with the year
    // of the computer's clock.
    WeekStartDate = fileDate(QDate(systemCalendar().now().date().year(), 1, 1));
    OffsetType = Days;
    OffsetAmount = 0;
    LanguageIndex = 0;
}

DateItem::OverallType DateItem::overallType() const {
    return OverallType(operatorRequest() ? DateType - OperatorRequestFlag : DateType);
}

void DateItem::setOverallType(OverallType type) {
    DateType = uint8_t(type + (operatorRequest() ? OperatorRequestFlag : 0));
}

void DateItem::setOperatorRequest(bool request) {
    if (request && !operatorRequest())
        DateType = uint8_t(DateType + OperatorRequestFlag);
    else if (!request && operatorRequest())
        DateType = uint8_t(DateType - OperatorRequestFlag);
}

QDate DateItem::offsetDate(QDate today, int unit, int32_t amount) {
    // Adding months or years keeps the day unless the month is shorter:
    // 31 January + 1 month is the last day of February, 29 February + 1
    // year is 28 February in a common year.
    switch (unit) {
    case Months:
        return today.addMonths(amount);
    case Years:
        return today.addYears(amount);
    default:
        return today.addDays(amount);
    }
}

std::string DateItem::dateText(QDate today, const std::string& monthStrings) const {
    switch (overallType()) {
    case Normal: {
        const QDate date = offsetDate(today, OffsetType, OffsetAmount);
        if (!date.isValid())
            return {};
        const auto part = [&](uint8_t kind) -> std::string {
            switch (kind) {
            case Day:
                return twoDigits(date.day(), LeadZeros);
            case Month:
                return twoDigits(date.month(), LeadZeros);
            case MonthAbbreviation: {
                const auto first = std::size_t(3 * (date.month() - 1));
                return first < monthStrings.size() ? monthStrings.substr(first, 3) : std::string();
            }
            case Year4:
                return std::to_string(date.year());
            case Year2:
                return lastCharacters(std::to_string(date.year()), 2);
            case Year1:
                return lastCharacters(std::to_string(date.year()), 1);
            default:
                return {};
            }
        };
        std::string first = part(Field1);
        std::string second = part(Field2);
        if (!first.empty())
            first += Separator;
        if (!second.empty())
            second += Separator;
        return first + second + part(Field3);
    }
    case JulianDay: {
        // The day of the year of the day the offset reaches. While that lies
        // in this year or the next, this is today's day of the year plus the
        // offset, less this year's length once past its end; further on it
        // stays a day of a year.
        const QDate date = today.addDays(OffsetAmount);
        if (!date.isValid())
            return {};
        std::string text = std::to_string(date.dayOfYear());
        if (LeadZeros && text.size() < 3)
            text.insert(0, 3 - text.size(), '0');
        return text;
    }
    case WeekNumber:
        return weekNumberText(today, LeadZeros);
    case DayCode: {
        const int weekday = today.dayOfWeek() % 7 + 1; // Sunday 1 … Saturday 7
        const int firstDay = FirstDay;
        const int code = weekday > firstDay ? weekday - firstDay : weekday + 7 - firstDay;
        return std::to_string(FirstIndex == 0 ? code - 1 : code);
    }
    }
    return {};
}

std::string DateItem::dateTextWithoutOffset(QDate today, const std::string& monthStrings) const {
    DateItem undelayed(*this);
    undelayed.OffsetAmount = 0;
    return undelayed.dateText(today, monthStrings);
}

int DateItem::weekNumber(QDate today) {
    int year = today.year();
    int firstWeekday = mondayWeekday(QDate(year, 1, 1));
    int day = today.dayOfYear();
    // Before the first Monday of a year that starts on Friday, Saturday or
    // Sunday, the day belongs to the last week of the year before.
    if (firstWeekday > 4 && day <= 8 - firstWeekday) {
        --year;
        firstWeekday = mondayWeekday(QDate(year, 1, 1));
        day += QDate::isLeapYear(year) ? 366 : 365;
    }
    day += firstWeekday - 1;
    int week = (day - 1) / 7;
    if (firstWeekday >= 1 && firstWeekday <= 4)
        ++week;
    if (week == 53 && firstWeekday != 4 && !(firstWeekday == 3 && QDate::isLeapYear(year)))
        week = 1;
    return week;
}

std::string DateItem::weekNumberText(QDate today, bool leadZeros) {
    return twoDigits(weekNumber(today), leadZeros);
}

double DateItem::fileDate(QDate date) {
    return double(FileDateOrigin.daysTo(date));
}

char DateItem::systemDateSeparator() {
    const QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    for (const QChar c : format) {
        if (c.isLetter() || c.isSpace() || c == u'\'')
            continue;
        if (Windows1252::firstUnencodable(QString(c)).isEmpty())
            return Windows1252::encode(QString(c))[0];
    }
    return '/';
}

std::string DateItem::shownText(DotCanvas& view) const {
    const ItemCalendar& calendar = view.calendar();
    return dateText(calendar.now().date(), calendar.monthStrings(LanguageIndex));
}

void DateItem::draw(DotCanvas& view) {
    ImageItem::draw(view);
    drawAnchoredText(view, shownText(view));
}

EdgeRect DateItem::getScreenRect(DotCanvas& view) {
    return anchoredTextRect(view, shownText(view));
}

void DateItem::compileRecord(std::vector<uint8_t>& record, const CompileContext& context) const {
    if (!context.knownModel())
        return;
    ImageItem::compileRecord(record, context);
    const int64_t today = FileDateOrigin.daysTo(context.calendar.now().date());
    const auto weekDays = uint8_t(today - wholeDays(WeekStartDate));
    const auto amount = uint16_t(OffsetAmount);
    record.insert(record.end(),
                  {uint8_t(Separator), Arabic ? ArabicLanguageByte : uint8_t(LanguageIndex),
                   DateType, Field1, Field2, Field3, weekDays, uint8_t(FirstIndex), FirstDay,
                   OffsetType, uint8_t(amount & 0xFF), uint8_t(amount >> 8),
                   uint8_t(LeadZeros ? 0xFF : 0x00)});
}
