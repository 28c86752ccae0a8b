#include "barcode/Code39Symbol.h"

#include "barcode/SymbolBitmap.h"
#include "barcode/SymbologyTable.h"

#include <array>

namespace {

// The published patterns of the character values 0 .. 42 and of the
// start/stop character (43): nine elements, bar first, the most significant
// of the nine bits first, 1 for a wide element.
constexpr std::array<uint16_t, 44> Patterns = {
    0x034, 0x121, 0x061, 0x160, 0x031, 0x130, 0x070, 0x025, 0x124, 0x064, // 0-9
    0x109, 0x049, 0x148, 0x019, 0x118, 0x058, 0x00D, 0x10C, 0x04C, 0x01C, // A-J
    0x103, 0x043, 0x142, 0x013, 0x112, 0x052, 0x007, 0x106, 0x046, 0x016, // K-T
    0x181, 0x0C1, 0x1C0, 0x091, 0x190, 0x0D0,                             // U-Z
    0x085, 0x184, 0x0C4, 0x0A8, 0x0A2, 0x08A, 0x02A,                      // - . space $ / + %
    0x094};                                                               // *
constexpr int StartStop = 43;

void appendCharacter(std::string& elements, int value) {
    for (int bit = 8; bit >= 0; --bit)
        elements += (Patterns[size_t(value)] >> bit) & 1 ? 'w' : 'n';
}

} // namespace

namespace Code39Symbol {

std::string elements(const std::string& characters) {
    if (characters.empty())
        return {};
    std::string result;
    appendCharacter(result, StartStop);
    for (char c : characters) {
        const int value = Code39Data::characterValue(c);
        if (value == StartStop)
            continue; // no code and no pair: left out
        result += 'n';
        appendCharacter(result, value);
    }
    result += 'n';
    appendCharacter(result, StartStop);
    return result;
}

QImage render(const BarcodeData& data) {
    const auto* code39 = dynamic_cast<const Code39Data*>(&data);
    if (!code39)
        return {};
    const int m = code39->ModuleWidth;
    const int wide = code39->wideWidth();
    const int h = code39->BarHeight;
    // An empty value draws the quiet zones alone, even with a check character.
    const std::string bars = code39->Text.empty() ? std::string() : elements(code39->encodedText());
    int symbolWidth = 0;
    for (char e : bars)
        symbolWidth += e == 'w' ? wide : m;
    const int width = symbolWidth + 20 * m;
    SymbolBitmap bitmap(width, h + SymbolBitmap::textHeight() + 1);
    if (bitmap.isNull())
        return {};
    DotRow row(width);
    int x = 10 * m;
    for (size_t i = 0; i < bars.size(); ++i) {
        const int w = bars[i] == 'w' ? wide : m;
        if (i % 2 == 0)
            row.fill(x, w);
        x += w;
    }
    bitmap.fillRows(row, 0, h);
    const std::string line = code39->humanReadableText();
    bitmap.drawText((width - SymbolBitmap::textWidth(line)) / 2, h, line);
    return std::move(bitmap).finish((code39->Rotation & 2) != 0);
}

std::vector<uint8_t> record(const BarcodeData& data) {
    const auto* code39 = dynamic_cast<const Code39Data*>(&data);
    if (!code39)
        return {};
    std::vector<uint8_t> bytes;
    appendLowHigh(bytes, code39->ModuleWidth);
    appendLowHigh(bytes, code39->wideWidth());
    appendLowHigh(bytes, code39->BarHeight);
    bytes.push_back(code39->CheckCharacter ? 1 : 0);
    bytes.insert(bytes.end(), 4, 0);
    bytes.push_back(uint8_t(code39->Text.size()));
    bytes.insert(bytes.end(), code39->Text.begin(), code39->Text.end());
    bytes.push_back(0);
    return bytes;
}

} // namespace Code39Symbol
