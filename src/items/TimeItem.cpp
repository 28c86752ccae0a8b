#include "items/TimeItem.h"

#include "document/ItemTypeNames.h"
#include "persist/StreamHelpers.h"
#include "platform/Windows1252.h"
#include "printer/DotCanvas.h"

#include <QLocale>

namespace {

constexpr uint8_t DefaultSeparator = ':';

std::string twoDigits(int value) {
    return {char('0' + value / 10), char('0' + value % 10)};
}

// The suffix of a style for a morning or an afternoon time.
std::string suffixOf(int32_t style, bool afternoon) {
    switch (style) {
    case TimeItem::UpperLetter:
        return afternoon ? "P" : "A";
    case TimeItem::UpperPair:
        return afternoon ? "PM" : "AM";
    case TimeItem::LowerLetter:
        return afternoon ? "p" : "a";
    case TimeItem::LowerPair:
        return afternoon ? "pm" : "am";
    default:
        return {};
    }
}

bool knownSuffix(int32_t index) {
    return index >= 0 && index < TimeItem::SuffixCount;
}

} // namespace

void TimeItem::load(ByteStream& s, const ClassRegistry& registry) {
    ImageItem::load(s, registry);
    TimeText = readString(s);
    Format24Hr = readFlag(s);
    SuffixIndex = readLong(s);
    if (!knownSuffix(SuffixIndex))
        SuffixIndex = NoSuffix;
    TimeSeparator = readByteValue(s);
    FontBased = true;
}

void TimeItem::store(ByteStream& s, const ClassRegistry& registry) const {
    ImageItem::store(s, registry);
    writeString(s, TimeText);
    writeFlag(s, Format24Hr);
    writeLong(s, SuffixIndex);
    writeByteValue(s, TimeSeparator);
}

QString TimeItem::getKindName(const ItemTypeNames& names) const {
    return names.TimeItemType;
}

void TimeItem::initDefaults(int32_t currentFontNumber) {
    TemporalItem::initDefaults(currentFontNumber);
    TimeSeparator = systemTimeSeparator();
}

std::string TimeItem::timeTextAt(const QTime& time) const {
    int hour = time.hour();
    std::string suffix;
    if (!Format24Hr) {
        suffix = suffixOf(SuffixIndex, hour >= 12);
        hour = hour % 12 == 0 ? 12 : hour % 12;
    }
    std::string text = twoDigits(hour);
    // A blank separator byte would end the text where the handheld shows it.
    if (TimeSeparator != 0)
        text += char(TimeSeparator);
    return text + twoDigits(time.minute()) + suffix;
}

uint8_t TimeItem::systemTimeSeparator() {
    return separatorOfFormat(QLocale::system().timeFormat(QLocale::ShortFormat));
}

uint8_t TimeItem::separatorOfFormat(const QString& format) {
    const auto isHour = [](QChar c) { return c == u'h' || c == u'H'; };
    qsizetype i = 0;
    while (i < format.size() && !isHour(format[i]))
        ++i;
    while (i < format.size() && isHour(format[i]))
        ++i;
    if (i < format.size() && format[i] == u'\'')
        ++i; // a quoted separator
    if (i >= format.size())
        return DefaultSeparator;
    const QString separator(format[i]);
    if (format[i].isLetterOrNumber() || format[i] == u'\'' ||
        !Windows1252::firstUnencodable(separator).isEmpty())
        return DefaultSeparator;
    return uint8_t(Windows1252::encode(separator).at(0));
}

void TimeItem::draw(DotCanvas& view) {
    ImageItem::draw(view);
    TimeText = timeTextAt(view.calendar().now().time());
    drawAnchoredText(view, TimeText);
}

EdgeRect TimeItem::getScreenRect(DotCanvas& view) {
    return anchoredTextRect(view, TimeText);
}

void TimeItem::compileRecord(std::vector<uint8_t>& record, const CompileContext& context) const {
    if (!context.knownModel())
        return;
    ImageItem::compileRecord(record, context);
    record.insert(record.end(),
                  {uint8_t(Format24Hr ? 1 : 0), TimeSeparator, uint8_t(SuffixIndex & 0xFF)});
}
