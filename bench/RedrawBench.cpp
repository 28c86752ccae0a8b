// A full redraw of the widest image (4000 × 256 dots) holding ten text items
// of mixed fonts and rotations, and one step of dragging one of them (moved
// by a dot, the picture redrawn as the editing surface does it), next to a
// bare fill of the same bitmap. The counter "per_fill" is a step's time
// divided by the bare fill's, both measured in the same run.
#include "document/ItemList.h"
#include "editor/ImageEditor.h"
#include "items/TextItem.h"
#include "platform/Prompter.h"
#include "printer/DotCanvas.h"
#include "printer/FontSet.h"
#include "printer/PrinterModels.h"
#include "texts/Messages.h"

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

// Nothing here asks the user anything.
class SilentPrompter final : public Prompter {
public:
    Answer message(const QString&, const QString&, Icon, Buttons) override { return Answer::Ok; }
    FileAnswer openFile(const FileRequest&) override { return {}; }
    FileAnswer saveFile(const FileRequest&) override { return {}; }
    void beep() override {}
    int runModal(QDialog&) override { return 0; }
};

class RedrawScene {
public:
    explicit RedrawScene(float zoom) {
        models.setSelectedIndex(WidestModel);
        addFonts();
        editor.newImage();
        editor.setPictureSize({roundHalfEven(editor.imageWidth() * double(zoom)),
                               roundHalfEven(editor.imageHeight() * double(zoom))});
        addItems();
    }

    void fill() {
        CanvasPainter painter(display);
        display.fillWhole();
    }
    void redraw() {
        CanvasPainter painter(display);
        items.eraseImage(display);
        items.drawAll(display);
    }
    // One move of a drag, to and fro by a dot.
    void dragStep() {
        ImageItem& item = *items.at(5);
        step_ = -step_;
        editor.moveWithinArea(item, item.getPosition() + QPoint(step_, 0));
    }

private:
    void addFonts() {
        int number = 1;
        for (const Face& face : Faces) {
            auto font = std::make_unique<PrinterFont>();
            font->Name = font->FaceName = face.name;
            font->PointSize = face.size;
            font->Bold = face.bold;
            font->FontNumber = number++;
            font->ModelCode = models.selectedModelBit();
            fonts.append(std::move(font));
        }
    }
    void addItems() {
        const char* texts[] = {"BEST BEFORE", "LOT 4711", "Made in Tolvane", "EXP 2031-12",
                               "Keep dry"};
        for (int i = 0; i < 10; ++i) {
            auto item = ImageItem::createNew<TextItem>(1 + i % 4);
            item->Rotation = uint8_t(i % 4);
            item->Text = texts[i % 5];
            item->setPosition({100 + 390 * i, 150 + 40 * (i % 3)});
            items.append(std::move(item));
        }
    }

    PrinterModels models{nullptr};
    FontSet fonts{models};
    SilentPrompter prompter;
    Messages messages;
    ImageEditor editor{fonts, models, prompter, messages};
    int step_ = 1;

public:
    DotCanvas& display = editor.display();
    ItemList& items = editor.items();
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

// Times a step against the bare fill, both run as often in the same run.
template <typename Step> void compareWithFill(benchmark::State& state, Step step) {
    RedrawScene scene(float(state.range(0)));
    scene.redraw(); // fonts realised and capitals measured once, as in the editor
    double stepSeconds = 0;
    for (auto _ : state)
        stepSeconds += secondsFor(1, [&] { step(scene); });
    const double fillSeconds = secondsFor(state.iterations(), [&] { scene.fill(); });
    state.counters["per_fill"] = stepSeconds / fillSeconds;
}

void BM_FullRedraw(benchmark::State& state) {
    compareWithFill(state, [](RedrawScene& scene) { scene.redraw(); });
}

void BM_DragStep(benchmark::State& state) {
    compareWithFill(state, [](RedrawScene& scene) { scene.dragStep(); });
}

} // namespace

BENCHMARK(BM_BareFill)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRedraw)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragStep)->Arg(2)->Unit(benchmark::kMillisecond);
