#pragma once

#include "barcode/BarcodeData.h"

#include <QImage>

#include <cstdint>
#include <vector>

// What each symbology does with a barcode's data: draw its symbol and write
// the symbology's part of the download record. One entry a symbology, in
// the order of their numbers.
struct SymbologyEntry {
    QImage (*render)(const BarcodeData& data);
    std::vector<uint8_t> (*record)(const BarcodeData& data);
};

const SymbologyEntry& symbologyEntry(Symbology kind);

// Appends value as the records carry 16-bit numbers: low byte first.
inline void appendLowHigh(std::vector<uint8_t>& bytes, int value) {
    bytes.push_back(uint8_t(value & 0xFF));
    bytes.push_back(uint8_t((value >> 8) & 0xFF));
}
