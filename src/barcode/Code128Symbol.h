#pragma once

#include "barcode/BarcodeData.h"

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

// Code 128 and GS1-128: one encoder for both, GS1-128 being Code 128 whose
// value starts with the function-1 character.
namespace Code128Symbol {

enum class Subset : uint8_t { A, B, C };

// The subset a value starts in: C when its first four positions are digits
// in pairs or function-1 characters (each two positions); otherwise A when a
// control character comes before any character 96 .. 127, else B.
Subset startSubset(const std::string& text);

// The symbol characters of text: start, data with the subset changes and
// shifts that give the fewest characters (among those the one that starts
// in startSubset when it is as short), the modulo-103 check character and
// stop. Fnc1 is the function-1 character in every subset; characters it
// has no code for are left out. Empty for an empty text.
std::vector<int> symbolCharacters(const std::string& text);

// The elements of the symbol characters, one digit 1 .. 4 (modules) each,
// bar first.
std::string elements(const std::vector<int>& symbolCharacters);

QImage render(const BarcodeData& data);
std::vector<uint8_t> code128Record(const BarcodeData& data);
std::vector<uint8_t> gs1_128Record(const BarcodeData& data);

} // namespace Code128Symbol
