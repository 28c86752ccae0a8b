#pragma once

#include <QImage>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

class BarcodeData;
class Messages;

// Why a value cannot be printed in its symbology, with what the user has to
// change: the length the symbology wants, or the characters it cannot encode.
struct BarcodeProblem {
    enum Code : uint8_t {
        None,
        WrongLength,      // expectedLength digits wanted
        NotDigits,        // characters: the ones that are no digit
        UnencodableChars, // characters: the ones the symbology has no code for
        Empty,            // the symbology needs a value
        ModuleWidthRange, // the module width lies outside its range
        BarHeightRange,   // the bar height is not positive
    };
    Code code = None;
    int expectedLength = 0;
    std::string characters;

    explicit operator bool() const { return code != None; }
    bool operator==(const BarcodeProblem&) const = default;
};

// What the user reads about a problem, in the program's language.
QString describeBarcodeProblem(const BarcodeProblem& problem, const Messages& messages);

// Whether the data can be printed as it is: the module width in its range,
// a bar height the record can carry, and a value the symbology can encode.
BarcodeProblem checkBarcode(const BarcodeData& data);

// The symbol of a barcode: its bars, spaces, quiet zones and human-readable
// line, one pixel a printer dot, black on white (QImage::Format_Mono, colour
// 0 white), turned for rotation 2. It draws what the value allows (the
// characters its symbology has no code for are left out, an empty value
// gives the quiet zones alone), so values are checked with checkBarcode
// before they are taken; sizes outside their ranges draw a null image.
QImage renderSymbol(const BarcodeData& data);

// The part of a barcode's download record that follows its common 8-byte
// header (type code, 0, X, Y, rotation, symbology): the dimensions and the
// value, and for the EAN/UPC symbologies the per-digit patterns.
std::vector<uint8_t> symbologyRecord(const BarcodeData& data);
