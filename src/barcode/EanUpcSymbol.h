#pragma once

#include "barcode/BarcodeData.h"

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

// EAN-8, EAN-13, UPC-A and UPC-E: digits of seven modules from the number
// sets A, B and C between guard bars that reach below the others.
namespace EanUpcSymbol {

// The layout of a symbology at one module width: the guard bars' extension
// below the data bars, the quiet zones, the gap above the human-readable line.
struct Geometry {
    int guardExtension;
    int leftQuietZone;
    int rightQuietZone;
    int textGap;
};
inline constexpr int TextSize = 25;

// Module widths outside 2 .. 6 take the nearest row.
Geometry geometry(Symbology kind, int moduleWidth);

// The modules from the start guard to the end guard for the digits with
// their check digit: '0' a space, '1' a data bar, '2' a guard bar.
std::string modules(Symbology kind, const std::string& digitsWithCheck);

// The pattern bytes of the bar-encoded digits, from the last digit to the
// first (low seven bits, the leftmost module in bit 6), as the download
// record carries them.
std::vector<uint8_t> digitPatterns(Symbology kind, const std::string& digitsWithCheck);

QImage render(const BarcodeData& data);
std::vector<uint8_t> record(const BarcodeData& data);

} // namespace EanUpcSymbol
