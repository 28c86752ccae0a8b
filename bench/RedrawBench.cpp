// A full redraw of the widest image (4000 × 256 dots) holding as many items
// as an image may (every kind in turn, in mixed fonts and rotations, and two
// graphics) and one barcode of each symbology, and one step of dragging one
// of them (moved by a dot, the picture redrawn as the editing surface does
// it), next to a bare fill of the same bitmap. The counter "per_fill" is a
// step's time divided by the bare fill's, both measured in the same run.
#include "app/MainSettings.h"
#include "document/ImageCalendar.h"
#include "document/ItemList.h"
#include "document/ShiftTable.h"
#include "editor/ImageEditor.h"
#include "items/BarcodeItem.h"
#include "items/ItemKinds.h"
#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "printer/DotCanvas.h"
#include "printer/FontSet.h"
#include "printer/PrinterModels.h"
#include "texts/Messages.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr int WidestModel = 2;
constexpr int MaxItems = int(MainSettings::DefaultMaxItems);
constexpr int MaxGraphicItems = int(MainSettings::DefaultMaxGraphicItems);

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
        shifts.add(1, 6.0 / 24, "A");
        shifts.add(1, 14.0 / 24, "B");
        display.setCalendar(&calendar);
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
        items.redrawWhole(display);
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
    // Up to the item limits: ten items of every kind but graphics in turn,
    // in the four rotations and mixed fonts, then two graphics.
    void addItems() {
        std::vector<const ItemKind*> kinds, graphics;
        for (const ItemKind* kind : itemKinds())
            (kind->limitClass == ItemLimitClass::Graphics ? graphics : kinds).push_back(kind);
        for (int i = 0; i < MaxItems; ++i)
            place(*kinds[std::size_t(i) % kinds.size()], i);
        for (int i = 0; i < MaxGraphicItems && !graphics.empty(); ++i)
            place(*graphics[std::size_t(i) % graphics.size()], MaxItems + i);
        // Beyond the limits, one barcode of each symbology not yet placed.
        for (int k = 0; barcodes_ < SymbologyCount; ++k) {
            auto barcode = std::make_unique<BarcodeItem>();
            barcode->takeData(nextBarcode());
            barcode->setRotation(uint8_t(k % 2 * 2));
            barcode->setPosition({100 + 450 * k, 60});
            items.append(std::move(barcode));
        }
    }
    void place(const ItemKind& kind, int i) {
        std::unique_ptr<ImageItem> item = kind.makeSample();
        item->FontNumber = 1 + i % 4;
        item->Rotation = uint8_t(i % 4);
        if (auto* barcode = dynamic_cast<BarcodeItem*>(item.get())) {
            barcode->takeData(nextBarcode());
            barcode->setRotation(uint8_t(i % 2 * 2));
        }
        item->setPosition({100 + 320 * i, 150 + 40 * (i % 3)});
        items.append(std::move(item));
    }

    // The next symbology in turn, with a value of a usual length.
    std::unique_ptr<BarcodeData> nextBarcode() {
        const auto kind = Symbology(barcodes_++ % SymbologyCount);
        auto data = BarcodeData::create(kind, models.fontDPI());
        if (auto* gs1 = dynamic_cast<Gs1_128Data*>(data.get())) {
            gs1->addElement({true, "01", "09501101530003"});
            gs1->addElement({false, "10", "LOT42"});
        } else if (kind == Symbology::Itf) {
            data->Text = "12345678";
        } else if (data->DigitCount == 0) {
            data->Text = "LOT 42-A";
        }
        return data;
    }

    PrinterModels models{nullptr};
    FontSet fonts{models};
    FixedClock clock{QDateTime(QDate(2024, 3, 4), QTime(15, 0))};
    std::string monthStrings = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";
    ShiftTable shifts;
    ImageCalendar calendar{clock, {}, monthStrings, shifts};
    SilentPrompter prompter;
    Messages messages;
    ImageEditor editor{fonts, models, prompter, messages};
    int step_ = 1;
    int barcodes_ = 0;

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

// Times a step against the bare fill, one after the other in each
// iteration, so that both meet the same load of a shared machine. The
// benchmark's time is the step's alone.
template <typename Step> void compareWithFill(benchmark::State& state, Step step) {
    RedrawScene scene(float(state.range(0)));
    scene.redraw(); // fonts realised and capitals measured once, as in the editor
    double stepSeconds = 0;
    double fillSeconds = 0;
    for (auto _ : state) {
        const double seconds = secondsFor(1, [&] { step(scene); });
        state.SetIterationTime(seconds);
        stepSeconds += seconds;
        fillSeconds += secondsFor(1, [&] { scene.fill(); });
    }
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
BENCHMARK(BM_FullRedraw)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragStep)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);
