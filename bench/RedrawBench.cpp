// A full redraw of the widest image (4000 × 256 dots) holding ten text items
// of mixed fonts and rotations, next to a bare fill of the same bitmap. The
// redraw's counter "per_fill" is its time divided by the bare fill's, both
// measured in the same run.
#include "document/ImagePLists.h"
#include "items/TextItems.h"
#include "printer/FontSetUnit.h"
#include "printer/NebraDisplays.h"
#include "printer/miprinters.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr int WidestModel = 2;

struct Face {
    const char* name;
    int size;
    bool bold;
};

constexpr Face Faces[] = {
    {"DejaVu Sans", 12, false},
    {"DejaVu Sans", 9, true},
    {"DejaVu Serif", 16, false},
    {"DejaVu Sans Mono", 10, false},
};

class RedrawScene {
public:
    explicit RedrawScene(float zoom) {
        models.setSelectedIndex(WidestModel);
        addFonts();
        display.ResetGeometry(NebraDisplay::StandardMargin, models.FontDPI(), models.Height(),
                              models.Width(), 0, 0);
        display.SetScaleX(zoom);
        display.SetScaleY(zoom);
        display.ResizeBitmap(RoundHalfEven(display.DisplayWidth() * double(zoom)),
                             RoundHalfEven(display.DisplayHeight() * double(zoom)));
        addItems();
    }

    void fill() {
        CanvasPainter painter(display);
        display.FillWhole();
    }
    void redraw() {
        CanvasPainter painter(display);
        items.EraseImage(display);
        items.DrawAll(display);
    }

private:
    void addFonts() {
        int number = 1;
        for (const Face& face : Faces) {
            auto font = std::make_unique<NEBRAFont>();
            font->Name = font->FaceName = face.name;
            font->PointSize = face.size;
            font->Bold = face.bold;
            font->FontNumber = number++;
            font->ModelCode = models.SelectedModelBit();
            fonts.Append(std::move(font));
        }
    }
    void addItems() {
        const char* texts[] = {"BEST BEFORE", "LOT 4711", "Made in Tolvane", "EXP 2031-12",
                               "Keep dry"};
        for (int i = 0; i < 10; ++i) {
            auto item = ImageItem::CreateNew<TextItem>(1 + i % 4);
            item->Rotation = uint8_t(i % 4);
            item->Text = texts[i % 5];
            item->SetPosition({100 + 390 * i, 150 + 40 * (i % 3)});
            items.Append(std::move(item));
        }
    }

    TCoderList models{nullptr};
    TFontSet fonts{models};

public:
    NebraDisplay display{fonts, models};
    ImagePList items;
};

template <typename Action> double secondsFor(int64_t times, Action action) {
    const auto start = std::chrono::steady_clock::now();
    for (int64_t i = 0; i < times; ++i)
        action();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_BareFill(benchmark::State& state) {
    RedrawScene scene(float(state.range(0)));
    for (auto _ : state)
        scene.fill();
}

void BM_FullRedraw(benchmark::State& state) {
    RedrawScene scene(float(state.range(0)));
    scene.redraw(); // fonts realised and capitals measured once, as in the editor
    double redrawSeconds = 0;
    for (auto _ : state)
        redrawSeconds += secondsFor(1, [&] { scene.redraw(); });
    const double fillSeconds = secondsFor(state.iterations(), [&] { scene.fill(); });
    state.counters["per_fill"] = redrawSeconds / fillSeconds;
}

} // namespace

BENCHMARK(BM_BareFill)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRedraw)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
