#include "barcode/ItfSymbol.h"

#include "barcode/SymbolBitmap.h"
#include "barcode/SymbologyTable.h"

#include <algorithm>
#include <array>

namespace {

// The published patterns of the digits, five elements each, 'T' wide.
constexpr std::array<const char*, 10> DigitPatterns = {"ttTTt", "TtttT", "tTttT", "TTttt", "ttTtT",
                                                       "TtTtt", "tTTtt", "tttTT", "TttTt", "tTtTt"};

} // namespace

namespace ItfSymbol {

std::string elements(const std::string& text) {
    std::string digits;
    std::copy_if(text.begin(), text.end(), std::back_inserter(digits),
                 [](char c) { return c >= '0' && c <= '9'; });
    if (digits.size() % 2 != 0)
        digits.insert(digits.begin(), '0');
    std::string result = "tttt";
    for (size_t i = 0; i + 1 < digits.size(); i += 2) {
        const char* bars = DigitPatterns[size_t(digits[i] - '0')];
        const char* spaces = DigitPatterns[size_t(digits[i + 1] - '0')];
        for (int k = 0; k < 5; ++k) {
            result += bars[k];
            result += spaces[k];
        }
    }
    return result + "Ttt";
}

// Top to bottom: the text line when it stands above, a gap of one module,
// the upper bearer bar, the bars, the lower bearer bar, a gap of one module
// and the text line when it stands below. With vertical bearers the box
// holds the quiet zones.
QImage render(const BarcodeData& data) {
    const auto* itf = dynamic_cast<const ItfData*>(&data);
    if (!itf)
        return {};
    const int m = itf->ModuleWidth;
    const int wide = itf->wideWidth();
    const int h = itf->BarHeight;
    const std::string bars = itf->Text.empty() ? std::string() : elements(itf->encodedText());
    const std::string line = itf->humanReadableText();
    const bool bearers = itf->BearerType != ItfData::NoBearers;
    const bool box = itf->BearerType == ItfData::BearerBox;
    // Records carry the bearer width in 16 bits; more comes from damage alone.
    const int bearer = bearers ? std::clamp(itf->BearerWidth, 0, 0xFFFF) : 0;
    const int side = box ? bearer : 0;
    const int th = SymbolBitmap::textHeight();

    int symbolWidth = 0;
    for (char e : bars)
        symbolWidth += e == 'T' ? wide : m;
    const int width = 2 * side + 20 * m + symbolWidth;
    const bool textAbove = itf->TextPosition != 0;
    const int barsTop = (textAbove ? th + m : 0) + bearer;
    SymbolBitmap bitmap(width, h + 2 * bearer + m + th);
    if (bitmap.isNull())
        return {};

    DotRow row(width);
    int x = side + 10 * m;
    for (size_t i = 0; i < bars.size(); ++i) {
        const int w = bars[i] == 'T' ? wide : m;
        if (i % 2 == 0)
            row.fill(x, w);
        x += w;
    }
    if (box) {
        row.fill(0, side);
        row.fill(width - side, side);
    }
    bitmap.fillRows(row, barsTop, h);
    if (bearers) {
        bitmap.fill(0, barsTop - bearer, width, bearer);
        bitmap.fill(0, barsTop + h, width, bearer);
    }
    const int textLeft = (width - SymbolBitmap::textWidth(line)) / 2;
    bitmap.drawText(textLeft, textAbove ? 0 : barsTop + h + bearer + m, line);
    return std::move(bitmap).finish((itf->Rotation & 2) != 0);
}

std::vector<uint8_t> record(const BarcodeData& data) {
    const auto* itf = dynamic_cast<const ItfData*>(&data);
    if (!itf)
        return {};
    std::vector<uint8_t> bytes{uint8_t(itf->CheckDigit ? 1 : 0), itf->TextPosition,
                               uint8_t((itf->BearerType & 0x7F) | (itf->LeadingZero ? 0x80 : 0))};
    appendLowHigh(bytes, itf->BearerWidth);
    appendLowHigh(bytes, itf->wideWidth());
    appendLowHigh(bytes, itf->ModuleWidth);
    appendLowHigh(bytes, itf->BarHeight);
    bytes.push_back(uint8_t(itf->Text.size()));
    bytes.insert(bytes.end(), itf->Text.begin(), itf->Text.end());
    bytes.push_back(0);
    return bytes;
}

} // namespace ItfSymbol
