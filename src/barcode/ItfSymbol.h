#pragma once

#include "barcode/BarcodeData.h"

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

// Interleaved 2 of 5: digit pairs, the first in the bars, the second in the
// spaces, with optional bearer bars.
namespace ItfSymbol {

// The elements of an even number of digits: "tttt" (start), the pairs, "Ttt"
// (stop); 'T' wide, 't' narrow, bar first. Characters other than digits are
// left out and an odd count gets a leading zero.
std::string elements(const std::string& digits);

QImage render(const BarcodeData& data);
std::vector<uint8_t> record(const BarcodeData& data);

} // namespace ItfSymbol
