#include "barcode/SymbologyTable.h"

#include "barcode/Code128Symbol.h"
#include "barcode/Code39Symbol.h"
#include "barcode/EanUpcSymbol.h"
#include "barcode/ItfSymbol.h"

#include <array>

namespace {

constexpr std::array<SymbologyEntry, SymbologyCount> Entries = {{
    {EanUpcSymbol::render, EanUpcSymbol::record},          // EAN-8
    {EanUpcSymbol::render, EanUpcSymbol::record},          // EAN-13
    {EanUpcSymbol::render, EanUpcSymbol::record},          // UPC-A
    {EanUpcSymbol::render, EanUpcSymbol::record},          // UPC-E
    {Code128Symbol::render, Code128Symbol::code128Record}, // Code 128
    {Code128Symbol::render, Code128Symbol::gs1_128Record}, // GS1-128
    {ItfSymbol::render, ItfSymbol::record},                // Interleaved 2 of 5
    {Code39Symbol::render, Code39Symbol::record},          // Code 39
}};

} // namespace

const SymbologyEntry& symbologyEntry(Symbology kind) {
    return Entries[size_t(kind) < Entries.size() ? size_t(kind) : 0];
}
