#include "barcode/BarcodeData.h"

#include "persist/MemoryStream.h"
#include "persist/StreamHelpers.h"
#include "platform/TolvError.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Far beyond any image, as for every other item.
constexpr int32_t MaxStoredPosition = 1000000;
// The download records carry the module width in one byte and lengths in 16
// bits; a stored value beyond them comes only from a damaged file.
constexpr int32_t MaxStoredModule = 0xFF;
constexpr int32_t MaxStoredLength = 0xFFFF;
constexpr int32_t KindOffset = 28;

[[noreturn]] void invalid(const char* what, int64_t value) {
    throw TolvError(std::string("Invalid barcode ") + what + " " + std::to_string(value) +
                    " in item record");
}

int32_t readInRange(ByteStream& s, const char* what, int32_t low, int32_t high) {
    const int32_t value = readLong(s);
    if (value < low || value > high)
        invalid(what, value);
    return value;
}

uint8_t readRatio(ByteStream& s) {
    return uint8_t(readInRange(s, "ratio", 0, RatioData::MaxRatio));
}

int32_t dotsOfMillimetres(double millimetres, int32_t dpi) {
    return int32_t(std::lround(dpi * millimetres / 25.4));
}

template <class Data> std::unique_ptr<BarcodeData> copyOf(const Data& data) {
    return std::make_unique<Data>(data);
}

} // namespace

// ---------------------------------------------------------------- base

std::unique_ptr<BarcodeData> BarcodeData::create(Symbology kind, int32_t verticalDpi) {
    switch (kind) {
    case Symbology::Ean8:
    case Symbology::Ean13:
    case Symbology::UpcA:
    case Symbology::UpcE:
        return std::make_unique<EanUpcData>(kind);
    case Symbology::Code128:
        return std::make_unique<Code128Data>();
    case Symbology::Gs1_128:
        return std::make_unique<Gs1_128Data>();
    case Symbology::Itf:
        return std::make_unique<ItfData>(verticalDpi);
    case Symbology::Code39:
        return std::make_unique<Code39Data>();
    }
    invalid("symbology", int(kind));
}

Symbology BarcodeData::peekKind(ByteStream& s) {
    const int32_t start = s.position();
    s.setPosition(start + KindOffset);
    int32_t kind = 0;
    try {
        kind = readLong(s);
    } catch (...) {
        s.setPosition(start);
        throw;
    }
    s.setPosition(start);
    if (kind < 0 || kind >= SymbologyCount)
        invalid("symbology", kind);
    return Symbology(kind);
}

std::unique_ptr<BarcodeData> BarcodeData::read(ByteStream& s) {
    // The defaults are overwritten by what the record holds.
    auto data = create(peekKind(s), 0);
    data->load(s);
    return data;
}

void BarcodeData::loadCommon(ByteStream& s) {
    readLong(s); // font number: barcodes draw with no printer font
    const int32_t x = readInRange(s, "position", -MaxStoredPosition, MaxStoredPosition);
    const int32_t y = readInRange(s, "position", -MaxStoredPosition, MaxStoredPosition);
    readLong(s); // width and height follow from the symbol
    readLong(s);
    const auto rotation = uint8_t(readInRange(s, "rotation", 0, 3));
    const auto justification = uint8_t(readInRange(s, "justification", 0, 3));
    readLong(s); // the symbology, known before loading
    X = x;
    Y = y;
    Rotation = rotation;
    Justification = justification;
}

void BarcodeData::storeCommon(ByteStream& s) const {
    writeLong(s, 0);
    writeLong(s, X);
    writeLong(s, Y);
    writeLong(s, 0);
    writeLong(s, 0);
    writeLong(s, Rotation);
    writeLong(s, Justification);
    writeLong(s, int32_t(Kind));
}

void BarcodeData::loadTextAndSize(ByteStream& s) {
    std::string text = readString(s);
    const int32_t barHeight = readInRange(s, "bar height", 0, MaxStoredLength);
    const int32_t moduleWidth = readInRange(s, "module width", 0, MaxStoredModule);
    Text = std::move(text);
    BarHeight = barHeight;
    ModuleWidth = moduleWidth;
}

void BarcodeData::storeTextAndSize(ByteStream& s) const {
    writeString(s, Text);
    writeLong(s, BarHeight);
    writeLong(s, ModuleWidth);
}

void BarcodeData::load(ByteStream& s) {
    loadCommon(s);
    loadTextAndSize(s);
}

void BarcodeData::store(ByteStream& s) const {
    storeCommon(s);
    storeTextAndSize(s);
}

bool BarcodeData::setDigits(const std::string& text) {
    if (int32_t(text.size()) != DigitCount)
        return false;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    Text = text;
    return true;
}

bool BarcodeData::operator==(const BarcodeData& other) const {
    MemoryStream mine;
    MemoryStream theirs;
    store(mine);
    other.store(theirs);
    // The human-readable line also shows what is not stored (ShowAppIds).
    return mine.bytes() == theirs.bytes() && humanReadableText() == other.humanReadableText();
}

// ---------------------------------------------------------------- EAN/UPC

char eanUpcCheckDigit(const std::string& digits) {
    int odd = 0;
    int even = 0;
    for (size_t i = 0; i < digits.size(); ++i)
        (i % 2 == 0 ? odd : even) += digits[i] - '0';
    const int total = digits.size() % 2 == 0 ? 3 * even + odd : 3 * odd + even;
    return char('0' + (10 - total % 10) % 10);
}

std::string EanUpcData::defaultText(Symbology kind) {
    switch (kind) {
    case Symbology::Ean8:
        return "0123456";
    case Symbology::Ean13:
        return "012345678901";
    case Symbology::UpcA:
        return "01234567890";
    case Symbology::UpcE:
        return "012345";
    default:
        return {};
    }
}

EanUpcData::EanUpcData(Symbology kind) : BarcodeData(kind) {
    Text = defaultText(kind);
    DigitCount = int32_t(Text.size());
}

std::unique_ptr<BarcodeData> EanUpcData::clone() const {
    return copyOf(*this);
}

void EanUpcData::resetText() {
    Text = defaultText(Kind);
}

namespace {
// The UPC-A number that a UPC-E value of number system 0 is the short form
// of: its last digit says where the zeros that were left out go.
std::string upcAOfUpcE(const std::string& d) {
    switch (d[5]) {
    case '0':
    case '1':
    case '2':
        return "0" + d.substr(0, 2) + d[5] + "0000" + d.substr(2, 3);
    case '3':
        return "0" + d.substr(0, 3) + "00000" + d.substr(3, 2);
    case '4':
        return "0" + d.substr(0, 4) + "00000" + d[4];
    default:
        return "0" + d.substr(0, 5) + "0000" + d[5];
    }
}
} // namespace

std::string EanUpcData::encodedText() const {
    // A UPC-E check digit is that of the UPC-A number it stands for: readers
    // expand the symbol and check it there.
    if (Kind == Symbology::UpcE && Text.size() == 6)
        return Text + eanUpcCheckDigit(upcAOfUpcE(Text));
    return Text + eanUpcCheckDigit(Text);
}

// ---------------------------------------------------------------- Code 128

std::unique_ptr<BarcodeData> Code128Data::clone() const {
    return copyOf(*this);
}

// ---------------------------------------------------------------- GS1-128

Gs1_128Data::Gs1_128Data() : BarcodeData(Symbology::Gs1_128) {}

std::unique_ptr<BarcodeData> Gs1_128Data::clone() const {
    return copyOf(*this);
}

void Gs1_128Data::load(ByteStream& s) {
    loadCommon(s);
    const int32_t count = readLong(s);
    if (count < 0)
        invalid("element count", count);
    std::vector<Gs1Element> elements;
    // Each element takes at least nine bytes; a count beyond the stream ends
    // at its end without reserving room for it first.
    for (int32_t i = 0; i < count; ++i) {
        Gs1Element element;
        element.AppId = readString(s);
        element.FixedLength = readByteValue(s) != 0;
        element.Value = readString(s);
        elements.push_back(std::move(element));
    }
    const int32_t barHeight = readInRange(s, "bar height", 0, MaxStoredLength);
    const int32_t moduleWidth = readInRange(s, "module width", 0, MaxStoredModule);
    readLong(s); // the symbology once more
    Elements = std::move(elements);
    BarHeight = barHeight;
    ModuleWidth = moduleWidth;
    ShowAppIds = true;
    rebuildText();
}

void Gs1_128Data::store(ByteStream& s) const {
    storeCommon(s);
    writeLong(s, elementCount());
    for (const Gs1Element& element : Elements) {
        writeString(s, element.AppId);
        writeByteValue(s, element.FixedLength ? 1 : 0);
        writeString(s, element.Value);
    }
    writeLong(s, BarHeight);
    writeLong(s, ModuleWidth);
    writeLong(s, int32_t(Kind));
}

void Gs1_128Data::addElement(const Gs1Element& element) {
    Elements.push_back(element);
    rebuildText();
}

void Gs1_128Data::replaceElement(int index, const Gs1Element& element) {
    if (index < 0 || index >= elementCount())
        return;
    Elements[size_t(index)] = element;
    rebuildText();
}

void Gs1_128Data::removeElement(int index) {
    if (index < 0 || index >= elementCount())
        return;
    Elements.erase(Elements.begin() + index);
    rebuildText();
}

std::string Gs1_128Data::elementValue(int index) const {
    if (index < 0 || index >= elementCount())
        return {};
    return Elements[size_t(index)].Value;
}

void Gs1_128Data::rebuildText() {
    Text.assign(1, Fnc1);
    for (size_t i = 0; i < Elements.size(); ++i) {
        if (i > 0 && !Elements[i - 1].FixedLength)
            Text += Fnc1;
        Text += Elements[i].AppId + Elements[i].Value;
    }
}

std::string Gs1_128Data::humanReadableText() const {
    std::string text;
    for (const Gs1Element& element : Elements) {
        if (ShowAppIds)
            text += "(" + element.AppId + ") ";
        text += element.Value + " ";
    }
    return text;
}

std::vector<uint8_t> Gs1_128Data::downloadString() const {
    std::vector<uint8_t> bytes{uint8_t(ShowAppIds ? 1 : 0), uint8_t(elementCount())};
    for (const Gs1Element& element : Elements) {
        bytes.push_back(element.FixedLength ? 1 : 0);
        bytes.insert(bytes.end(), element.AppId.begin(), element.AppId.end());
        bytes.insert(bytes.end(), 3, 0);
        bytes.insert(bytes.end(), element.Value.begin(), element.Value.end());
        bytes.push_back(0);
    }
    return bytes;
}

// ---------------------------------------------------------------- ratio

void RatioData::setRatio(uint8_t code, int32_t verticalDpi) {
    const bool wideModule = int64_t(ModuleWidth) * 1000 > int64_t(verticalDpi) * 20;
    if (code >= SmallRatioLimit || wideModule)
        Ratio = std::min(code, MaxRatio);
    else if (Ratio < SmallRatioLimit)
        Ratio = SmallRatioLimit;
}

int32_t RatioData::wideWidth() const {
    return int32_t(std::lround(ModuleWidth * ratio()));
}

// ---------------------------------------------------------------- ITF

ItfData::ItfData(int32_t verticalDpi) : RatioData(Symbology::Itf) {
    Text = "00";
    MaxModuleWidth = 29;
    ModuleWidth = dotsOfMillimetres(1.016, verticalDpi);
    BearerWidth = 2 * ModuleWidth;
    BarHeight = dotsOfMillimetres(31.8, verticalDpi);
}

std::unique_ptr<BarcodeData> ItfData::clone() const {
    return copyOf(*this);
}

void ItfData::load(ByteStream& s) {
    loadCommon(s);
    const uint8_t textPosition = readByteValue(s);
    const int32_t moduleWidth = readInRange(s, "module width", 0, MaxStoredLength);
    const int32_t bearerWidth = readInRange(s, "bearer width", 0, MaxStoredLength);
    const int32_t barHeight = readInRange(s, "bar height", 0, MaxStoredLength);
    const bool checkDigit = readByteValue(s) != 0;
    const uint8_t bearers = readByteValue(s);
    const uint8_t ratio = readRatio(s);
    std::string text = readString(s);
    TextPosition = textPosition;
    ModuleWidth = moduleWidth;
    BearerWidth = bearerWidth;
    BarHeight = barHeight;
    CheckDigit = checkDigit;
    BearerType = bearers & 0x7F;
    LeadingZero = (bearers & 0x80) != 0;
    Ratio = ratio;
    Text = std::move(text);
}

void ItfData::store(ByteStream& s) const {
    storeCommon(s);
    writeByteValue(s, TextPosition);
    writeLong(s, ModuleWidth);
    writeLong(s, BearerWidth);
    writeLong(s, BarHeight);
    writeByteValue(s, CheckDigit ? 1 : 0);
    writeByteValue(s, uint8_t((BearerType & 0x7F) | (LeadingZero ? 0x80 : 0)));
    writeLong(s, Ratio);
    writeString(s, Text);
}

char ItfData::checkDigit(const std::string& digits) {
    int total = 0;
    for (size_t i = 0; i < digits.size(); ++i)
        total += (digits[i] - '0') * (i % 2 == 0 ? 3 : 1);
    return char('0' + (10 - total % 10) % 10);
}

std::string ItfData::encodedText() const {
    const bool odd = Text.size() % 2 != 0;
    if (CheckDigit) {
        // The check digit makes the count even: it is taken over the digits
        // the symbol carries before it.
        const std::string digits = odd ? Text : "0" + Text;
        return digits + checkDigit(digits);
    }
    return odd ? "0" + Text : Text;
}

std::string ItfData::humanReadableText() const {
    std::string text =
        CheckDigit ? Text + checkDigit(Text.size() % 2 != 0 ? Text : "0" + Text) : Text;
    if (LeadingZero && text.size() % 2 != 0)
        text = "0" + text;
    return text;
}

// ---------------------------------------------------------------- Code 39

namespace {
constexpr char Code39Characters[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
constexpr int Code39StartStop = 43;

// The Full ASCII pair of each character 0 .. 127 (a single character where
// the character is one of the 43 itself).
std::string fullAsciiPair(unsigned char c) {
    static const char* const Controls[32] = {"%U", "$A", "$B", "$C", "$D", "$E", "$F", "$G",
                                             "$H", "$I", "$J", "$K", "$L", "$M", "$N", "$O",
                                             "$P", "$Q", "$R", "$S", "$T", "$U", "$V", "$W",
                                             "$X", "$Y", "$Z", "%A", "%B", "%C", "%D", "%E"};
    if (c < 32)
        return Controls[c];
    if (c >= '0' && c <= '9')
        return std::string(1, char(c));
    if (c >= 'A' && c <= 'Z')
        return std::string(1, char(c));
    if (c >= 'a' && c <= 'z')
        return std::string("+") + char(c - 'a' + 'A');
    switch (c) {
    case ' ':
        return " ";
    case '-':
        return "-";
    case '.':
        return ".";
    case '!':
        return "/A";
    case '"':
        return "/B";
    case '#':
        return "/C";
    case '$':
        return "/D";
    case '%':
        return "/E";
    case '&':
        return "/F";
    case '\'':
        return "/G";
    case '(':
        return "/H";
    case ')':
        return "/I";
    case '*':
        return "/J";
    case '+':
        return "/K";
    case ',':
        return "/L";
    case '/':
        return "/O";
    case ':':
        return "/Z";
    case ';':
        return "%F";
    case '<':
        return "%G";
    case '=':
        return "%H";
    case '>':
        return "%I";
    case '?':
        return "%J";
    case '@':
        return "%V";
    case '[':
        return "%K";
    case '\\':
        return "%L";
    case ']':
        return "%M";
    case '^':
        return "%N";
    case '_':
        return "%O";
    case '`':
        return "%W";
    case '{':
        return "%P";
    case '|':
        return "%Q";
    case '}':
        return "%R";
    case '~':
        return "%S";
    case 127:
        return "%T";
    default:
        return {}; // beyond 127: no pair
    }
}
} // namespace

Code39Data::Code39Data() : RatioData(Symbology::Code39) {
    BarHeight = 90;
}

std::unique_ptr<BarcodeData> Code39Data::clone() const {
    return copyOf(*this);
}

void Code39Data::load(ByteStream& s) {
    loadCommon(s);
    loadTextAndSize(s);
    const bool checkCharacter = readByteValue(s) != 0;
    Ratio = readRatio(s);
    CheckCharacter = checkCharacter;
}

void Code39Data::store(ByteStream& s) const {
    storeCommon(s);
    storeTextAndSize(s);
    writeByteValue(s, CheckCharacter ? 1 : 0);
    writeLong(s, Ratio);
}

int Code39Data::characterValue(char c) {
    for (int i = 0; i < Code39StartStop; ++i)
        if (Code39Characters[i] == c)
            return i;
    return Code39StartStop;
}

char Code39Data::characterOf(int value) {
    return value >= 0 && value < Code39StartStop ? Code39Characters[value] : '*';
}

char Code39Data::checkCharacter(const std::string& symbolCharacters) {
    int total = 0;
    for (char c : symbolCharacters)
        total += characterValue(c);
    return characterOf(total % 43);
}

std::string Code39Data::encodedText() const {
    const bool direct = std::all_of(Text.begin(), Text.end(),
                                    [](char c) { return characterValue(c) < Code39StartStop; });
    std::string symbol;
    if (direct)
        symbol = Text;
    else
        for (char c : Text)
            symbol += fullAsciiPair(static_cast<unsigned char>(c));
    if (CheckCharacter)
        symbol += checkCharacter(symbol);
    return symbol;
}
