#include "items/NumberItem.h"

#include "document/ImageFile.h"
#include "document/ItemTypeNames.h"
#include "persist/StreamHelpers.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace {

// The versions whose number records hold every setting.
bool holdsFullRecord(ImageFileVersion version) {
    return version >= ImageFileVersion::V2_0X001;
}

void appendBigEndian(std::vector<uint8_t>& record, int32_t value) {
    const auto bits = uint32_t(value);
    for (const int shift : {24, 16, 8, 0})
        record.push_back(uint8_t(bits >> shift));
}

// Sending 300 as its low byte would make 44 of it; the most the byte holds
// is the nearest the handheld can have.
uint8_t byteSetting(const std::string& text) {
    return uint8_t(
        std::clamp(NumberItem::integerOf(text).value_or(0), 0, NumberItem::ByteSettingLimit));
}

std::string zeroPadded(int32_t value, int digits) {
    std::string text = std::to_string(std::abs(int64_t(value)));
    if (int(text.size()) < digits)
        text.insert(0, size_t(digits) - text.size(), '0');
    return value < 0 ? '-' + text : text;
}

} // namespace

std::optional<int32_t> NumberItem::integerOf(const std::string& text) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    // from_chars takes a minus but no plus, and never a sign after a plus.
    if (first != last && *first == '+') {
        ++first;
        if (first != last && *first == '-')
            return std::nullopt;
    }
    int32_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value, 10);
    if (error != std::errc() || end != last)
        return std::nullopt;
    return value;
}

void NumberItem::load(ByteStream& s, const ClassRegistry& registry) {
    ImageItem::load(s, registry);
    Increment = readString(s);
    Number = readString(s);
    if (holdsFullRecord(ImageFile::recordVersion(s))) {
        Restart = readString(s);
        MaxLength = readString(s);
        CountBeforeInc = readString(s);
        ReverseCount = readFlag(s);
        LeadingZero = readFlag(s);
    } else {
        setCounterDefaults();
    }
    FontBased = true;
}

void NumberItem::store(ByteStream& s, const ClassRegistry& registry) const {
    ImageItem::store(s, registry);
    writeString(s, Increment);
    writeString(s, Number);
    if (!holdsFullRecord(ImageFile::recordVersion(s)))
        return;
    writeString(s, Restart);
    writeString(s, MaxLength);
    writeString(s, CountBeforeInc);
    writeFlag(s, ReverseCount);
    writeFlag(s, LeadingZero);
}

void NumberItem::initDefaults(int32_t currentFontNumber) {
    ImageItem::initDefaults(currentFontNumber);
    Increment = "0";
    Number = "0";
    ReverseCount = false;
    setCounterDefaults();
}

void NumberItem::setCounterDefaults() {
    Restart = "1000";
    MaxLength = "10";
    CountBeforeInc = "1";
    LeadingZero = true;
}

QString NumberItem::getKindName(const ItemTypeNames& names) const {
    return names.NumberItemType;
}

std::string NumberItem::shownNumber() const {
    const std::optional<int32_t> value = integerOf(Number);
    if (!value)
        return Number;
    if (!LeadingZero)
        return std::to_string(*value);
    const std::optional<int32_t> digits = integerOf(MaxLength);
    if (!digits)
        return Number;
    // As many digits as the handheld is sent (byteSetting), and at least one.
    return zeroPadded(*value, std::clamp(*digits, 1, ByteSettingLimit));
}

void NumberItem::draw(DotCanvas& view) {
    ImageItem::draw(view);
    Number = shownNumber();
    drawAnchoredText(view, Number);
}

EdgeRect NumberItem::getScreenRect(DotCanvas& view) {
    return anchoredTextRect(view, Number);
}

const std::string& NumberItem::sentIncrement() const {
    static const std::string empty = EmptyIncrement;
    return Increment.empty() ? empty : Increment;
}

bool NumberItem::holdsInvalidInteger() const {
    for (const std::string* text :
         {&sentIncrement(), &Number, &Restart, &MaxLength, &CountBeforeInc})
        if (!integerOf(*text))
            return true;
    return false;
}

void NumberItem::prepareDownload() {
    if (Increment.empty())
        Increment = EmptyIncrement;
}

void NumberItem::compileRecord(std::vector<uint8_t>& record, const CompileContext& context) const {
    if (!context.knownModel())
        return;
    ImageItem::compileRecord(record, context);
    for (const std::string* text : {&sentIncrement(), &Number, &Restart})
        appendBigEndian(record, integerOf(*text).value_or(0));
    record.push_back(byteSetting(MaxLength));
    record.push_back(byteSetting(CountBeforeInc));
    record.push_back(LeadingZero ? 1 : 0);
    record.push_back(ReverseCount ? 1 : 0);
}
