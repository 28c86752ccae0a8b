// Each symbology's symbol drawn by renderSymbol next to the same symbol
// (same value, module width 3, bars 80 dots, human-readable line) drawn by
// libzint into its raster buffer (ZBarcode_Encode_and_Buffer), both as often
// in the same run. The counter "per_zint" is our time divided by libzint's.
#include "barcode/BarcodeData.h"
#include "barcode/BarcodeSymbol.h"

#include <benchmark/benchmark.h>
#include <zint.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr int ModuleWidth = 3;
constexpr int BarHeight = 80;

struct Case {
    Symbology kind;
    const char* text; // our value
    int zintSymbology;
    const char* zintText; // the same value as libzint takes it
    int zintInputMode;
};

const Case Cases[SymbologyCount] = {
    {Symbology::Ean8, "9638507", BARCODE_EANX, "9638507", DATA_MODE},
    {Symbology::Ean13, "400638133393", BARCODE_EANX, "400638133393", DATA_MODE},
    {Symbology::UpcA, "03600029145", BARCODE_UPCA, "03600029145", DATA_MODE},
    {Symbology::UpcE, "425261", BARCODE_UPCE, "0425261", DATA_MODE},
    {Symbology::Code128, "Lot 7: AB123456cd", BARCODE_CODE128, "Lot 7: AB123456cd", DATA_MODE},
    {Symbology::Gs1_128, nullptr, BARCODE_GS1_128, "[01]09501101530003[17]261231[10]ABC123",
     GS1_MODE},
    {Symbology::Itf, "1234567890", BARCODE_C25INTER, "1234567890", DATA_MODE},
    {Symbology::Code39, "CODE39 TOLVANE", BARCODE_CODE39, "CODE39 TOLVANE", DATA_MODE},
};

std::unique_ptr<BarcodeData> ourData(const Case& c) {
    auto data = BarcodeData::create(c.kind, 300);
    data->ModuleWidth = ModuleWidth;
    data->BarHeight = BarHeight;
    if (auto* gs1 = dynamic_cast<Gs1_128Data*>(data.get())) {
        gs1->addElement({true, "01", "09501101530003"});
        gs1->addElement({true, "17", "261231"});
        gs1->addElement({false, "10", "ABC123"});
    } else {
        data->Text = c.text;
    }
    return data;
}

// One symbol drawn by libzint at the same module width and bar height.
void zintSymbol(const Case& c) {
    zint_symbol* symbol = ZBarcode_Create();
    symbol->symbology = c.zintSymbology;
    symbol->input_mode = c.zintInputMode;
    symbol->scale = ModuleWidth / 2.0f; // its raster draws two pixels a module at scale 1
    symbol->height = float(BarHeight) / ModuleWidth;
    const int status =
        ZBarcode_Encode_and_Buffer(symbol, reinterpret_cast<const unsigned char*>(c.zintText),
                                   int(std::strlen(c.zintText)), 0);
    benchmark::DoNotOptimize(symbol->bitmap);
    if (status >= ZINT_ERROR)
        std::abort();
    ZBarcode_Delete(symbol);
}

template <typename Action> double secondsFor(int64_t times, Action action) {
    const auto start = std::chrono::steady_clock::now();
    for (int64_t i = 0; i < times; ++i)
        action();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_Symbol(benchmark::State& state) {
    const Case& c = Cases[state.range(0)];
    const std::unique_ptr<BarcodeData> data = ourData(c);
    benchmark::DoNotOptimize(renderSymbol(*data)); // the glyphs drawn once, as in the designer
    double ours = 0;
    for (auto _ : state)
        ours += secondsFor(1, [&] { benchmark::DoNotOptimize(renderSymbol(*data)); });
    const double zint = secondsFor(state.iterations(), [&] { zintSymbol(c); });
    state.counters["per_zint"] = ours / zint;
    state.counters["zint_us"] = zint * 1e6 / double(state.iterations());
}

} // namespace

BENCHMARK(BM_Symbol)->DenseRange(0, SymbologyCount - 1)->Unit(benchmark::kMicrosecond);
