#include "barcode/EanUpcSymbol.h"

#include "barcode/SymbolBitmap.h"
#include "barcode/SymbologyTable.h"

#include <algorithm>
#include <array>

namespace {

// The published number sets, one byte a digit, the leftmost module in bit 6.
constexpr std::array<uint8_t, 10> SetA = {0x0D, 0x19, 0x13, 0x3D, 0x23,
                                          0x31, 0x2F, 0x3B, 0x37, 0x0B};
constexpr std::array<uint8_t, 10> SetB = {0x27, 0x33, 0x1B, 0x21, 0x1D,
                                          0x39, 0x05, 0x11, 0x09, 0x17};
constexpr std::array<uint8_t, 10> SetC = {0x72, 0x66, 0x6C, 0x42, 0x5C,
                                          0x4E, 0x50, 0x44, 0x48, 0x74};

// The sets of the six digits of the left half of EAN-13, by its first digit.
constexpr std::array<const char*, 10> Ean13Parity = {"AAAAAA", "AABABB", "AABBAB", "AABBBA",
                                                     "ABAABB", "ABBAAB", "ABBBAA", "ABABAB",
                                                     "ABABBA", "ABBABA"};
// The sets of the six digits of UPC-E of number system 0, by its check digit.
constexpr std::array<const char*, 10> UpcEParity = {"BBBAAA", "BBABAA", "BBAABA", "BBAAAB",
                                                    "BABBAA", "BAABBA", "BAAABB", "BABABA",
                                                    "BABAAB", "BAABAB"};

// Per module width 2 .. 6: guard base, guard top, left and right quiet zone,
// text gap.
struct GeometryRow {
    int guardBase, guardTop, left, right, gap;
};
using GeometryTable = std::array<GeometryRow, 5>;
constexpr GeometryTable Ean8Geometry = {{{111, 121, 14, 14, 2},
                                         {166, 181, 21, 21, 3},
                                         {222, 242, 28, 28, 4},
                                         {276, 301, 35, 35, 5},
                                         {331, 361, 42, 42, 6}}};
constexpr GeometryTable Ean13Geometry = {{{138, 150, 22, 14, 2},
                                          {208, 226, 33, 21, 3},
                                          {277, 301, 44, 28, 4},
                                          {342, 372, 54, 35, 5},
                                          {410, 446, 66, 42, 6}}};
constexpr GeometryTable UpcAGeometry = {{{138, 150, 18, 18, 2},
                                         {208, 226, 27, 27, 3},
                                         {277, 301, 36, 36, 4},
                                         {342, 372, 44, 44, 5},
                                         {410, 446, 54, 54, 6}}};
constexpr GeometryTable UpcEGeometry = {{{138, 150, 18, 14, 2},
                                         {208, 226, 27, 21, 3},
                                         {277, 301, 36, 28, 4},
                                         {342, 372, 45, 35, 5},
                                         {410, 446, 54, 42, 6}}};

constexpr int MinModule = 2;
constexpr int MaxModule = 6;

int digitAt(const std::string& digits, size_t i) {
    if (i >= digits.size() || digits[i] < '0' || digits[i] > '9')
        return 0; // only a damaged value gets here; it draws as zeros
    return digits[i] - '0';
}

uint8_t pattern(char set, int digit) {
    return set == 'A'   ? SetA[size_t(digit)]
           : set == 'B' ? SetB[size_t(digit)]
                        : SetC[size_t(digit)];
}

// How a symbology lays out its digits: the index of each bar-encoded digit
// in the digits with their check digit, with its set, left to right; the
// centre guard follows the first leftCount of them.
struct Layout {
    std::vector<std::pair<size_t, char>> digits;
    size_t leftCount = 0;
    bool centreGuard = true;
};

// Digits first .. last of the digits with their check digit, in set for
// the first leftCount of them and in C after them.
Layout plainLayout(size_t first, size_t count, size_t leftCount, const char* leftSets) {
    Layout layout;
    for (size_t i = 0; i < count; ++i)
        layout.digits.push_back({first + i, i < leftCount ? leftSets[i] : 'C'});
    layout.leftCount = leftCount;
    return layout;
}

Layout ean8Layout(const std::string&) {
    return plainLayout(0, 8, 4, "AAAA");
}

// The first digit is not drawn: it chooses the sets of the next six.
Layout ean13Layout(const std::string& digits) {
    return plainLayout(1, 12, 6, Ean13Parity[size_t(digitAt(digits, 0))]);
}

Layout upcALayout(const std::string&) {
    return plainLayout(0, 12, 6, "AAAAAA");
}

// No centre guard and no check digit in the bars: the check digit chooses
// the sets of the six digits.
Layout upcELayout(const std::string& digits) {
    Layout layout = plainLayout(0, 6, 6, UpcEParity[size_t(digitAt(digits, 6))]);
    layout.centreGuard = false;
    return layout;
}

// Where the human-readable groups of a symbology stand: each group of the
// digits (with the check digit) from the left edge of its first digit.
struct TextGroup {
    size_t first;
    size_t count;
    int module; // x = left quiet zone + module × m; < 0: at the left edge
};

// What sets the four symbologies apart, by their number.
struct Family {
    const GeometryTable* geometry;
    Layout (*layout)(const std::string& digits);
    std::array<TextGroup, 3> text;
    int textGroups;
    const char* leftMark;    // at the left edge at the bar height, or null
    const char* halfwayMark; // at the left edge at half the bar height, or null
};

const std::array<Family, 4> Families = {{
    {&Ean8Geometry, ean8Layout, {{{0, 4, 3}, {4, 4, 36}, {}}}, 2, "<", nullptr},
    {&Ean13Geometry, ean13Layout, {{{0, 1, -1}, {1, 6, 3}, {7, 6, 50}}}, 3, nullptr, nullptr},
    {&UpcAGeometry, upcALayout, {{{0, 6, 3}, {6, 6, 50}, {}}}, 2, nullptr, nullptr},
    // The number system 0, which the symbol carries in its parity alone.
    {&UpcEGeometry, upcELayout, {{{0, 6, 3}, {}, {}}}, 1, nullptr, "0"},
}};

const Family& familyOf(Symbology kind) {
    return Families[std::min(size_t(kind), Families.size() - 1)];
}

void appendPattern(std::string& modules, uint8_t bits) {
    for (uint8_t bit = 0x40; bit != 0; bit >>= 1)
        modules += (bits & bit) ? '1' : '0';
}

// The bars of the modules of one kind ('1' or '2') as a row of dots.
DotRow barsOf(const std::string& modules, char kind, int left, int m, int width) {
    DotRow row(width);
    for (size_t i = 0; i < modules.size();) {
        if (modules[i] != kind) {
            ++i;
            continue;
        }
        const size_t start = i;
        while (i < modules.size() && modules[i] == kind)
            ++i;
        row.fill(left + int(start) * m, int(i - start) * m);
    }
    return row;
}

} // namespace

namespace EanUpcSymbol {

Geometry geometry(Symbology kind, int moduleWidth) {
    const GeometryRow& row =
        (*familyOf(kind)
              .geometry)[size_t(std::clamp(moduleWidth, MinModule, MaxModule) - MinModule)];
    return {row.guardTop - row.guardBase, row.left, row.right, row.gap};
}

std::string modules(Symbology kind, const std::string& digits) {
    const Layout layout = familyOf(kind).layout(digits);
    std::string result = "202";
    for (size_t i = 0; i < layout.digits.size(); ++i) {
        if (i == layout.leftCount && layout.centreGuard)
            result += "02020";
        appendPattern(result,
                      pattern(layout.digits[i].second, digitAt(digits, layout.digits[i].first)));
    }
    result += layout.centreGuard ? "202" : "020202";
    return result;
}

std::vector<uint8_t> digitPatterns(Symbology kind, const std::string& digits) {
    const Layout layout = familyOf(kind).layout(digits);
    std::vector<uint8_t> patterns;
    for (auto it = layout.digits.rbegin(); it != layout.digits.rend(); ++it)
        patterns.push_back(pattern(it->second, digitAt(digits, it->first)));
    return patterns;
}

QImage render(const BarcodeData& data) {
    const Symbology kind = data.Kind;
    const int m = data.ModuleWidth;
    const int h = data.BarHeight;
    const Geometry g = geometry(kind, m);
    const std::string digits = data.encodedText();
    const std::string symbol = modules(kind, digits);
    const int th = SymbolBitmap::textHeight();
    const int width = g.leftQuietZone + int(symbol.size()) * m + g.rightQuietZone;
    SymbolBitmap bitmap(width, h + g.textGap + th);
    if (bitmap.isNull())
        return {};
    const DotRow bars = barsOf(symbol, '1', g.leftQuietZone, m, width);
    const DotRow guards = barsOf(symbol, '2', g.leftQuietZone, m, width);
    bitmap.fillRows(bars, 0, h);
    bitmap.fillRows(guards, 0, h + g.guardExtension);

    const Family& family = familyOf(kind);
    const int textTop = h + g.textGap;
    if (family.leftMark)
        bitmap.drawText(0, h, family.leftMark);
    if (family.halfwayMark)
        bitmap.drawText(0, h / 2, family.halfwayMark);
    for (int i = 0; i < family.textGroups; ++i) {
        const TextGroup& group = family.text[size_t(i)];
        const int x = group.module < 0 ? 0 : g.leftQuietZone + group.module * m;
        bitmap.drawText(x, textTop,
                        digits.substr(std::min(group.first, digits.size()), group.count));
    }
    bitmap.drawText(width - SymbolBitmap::textWidth(">"), textTop, ">");
    return std::move(bitmap).finish((data.Rotation & 2) != 0);
}

std::vector<uint8_t> record(const BarcodeData& data) {
    const Geometry g = geometry(data.Kind, data.ModuleWidth);
    const std::string digits = data.encodedText();
    std::vector<uint8_t> bytes;
    bytes.push_back(uint8_t(data.ModuleWidth));
    appendLowHigh(bytes, data.BarHeight);
    appendLowHigh(bytes, data.BarHeight + g.guardExtension);
    bytes.push_back(uint8_t(g.leftQuietZone));
    bytes.push_back(uint8_t(g.rightQuietZone));
    bytes.push_back(TextSize);
    bytes.insert(bytes.end(), digits.begin(), digits.end()); // the check digit last
    bytes.push_back(0);
    std::vector<uint8_t> patterns = digitPatterns(data.Kind, digits);
    patterns.resize(13, 0);
    bytes.insert(bytes.end(), patterns.begin(), patterns.end());
    bytes.push_back(1);
    return bytes;
}

} // namespace EanUpcSymbol
