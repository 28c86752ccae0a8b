#pragma once

#include "barcode/BarcodeData.h"

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

// Code 39: 43 characters of nine elements, three of them wide, between the
// start and stop character '*'.
namespace Code39Symbol {

// The elements of symbol characters (Code39Data::encodedText): start, each
// character after a narrow gap, stop; 'w' wide, 'n' narrow, bar first.
// Empty for no characters.
std::string elements(const std::string& symbolCharacters);

QImage render(const BarcodeData& data);
std::vector<uint8_t> record(const BarcodeData& data);

} // namespace Code39Symbol
