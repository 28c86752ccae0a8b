#pragma once

#include "document/ItemList.h"
#include "printer/DotCanvas.h"
#include "printer/FontSet.h"
#include "printer/PrinterModels.h"

#include <QImage>

// Test fonts, the same faces for all three models so that tests do not depend
// on the shipped font map; download code = 10 × model code + font number.
constexpr int SansFont = 1;  // DejaVu Sans 12
constexpr int BoldFont = 2;  // DejaVu Sans bold 9
constexpr int SerifFont = 3; // DejaVu Serif 16

// A display on the built-in model list with the test fonts and a bitmap
// sized for the selected model at the current zoom.
class RenderHarness {
public:
    explicit RenderHarness(int modelIndex = 2);
    void selectModel(int modelIndex); // resets the geometry as a new image does
    void zoom(float factor);
    // Whitens the picture, draws, and returns a copy of the picture.
    QImage render(ItemList& items);
    QImage render(ImageItem& item);

    PrinterModels models{nullptr};
    FontSet fonts{models};
    DotCanvas display{fonts, models};
};

std::unique_ptr<ImageItem> textItemAt(int font, int x, int y, int rotation = 0,
                                      const char* text = "HEH");
std::vector<uint8_t> compiledRecord(const ImageItem& item, const FontSet& fonts, int modelIndex);
// The smallest rectangle holding every pixel that is not white (null: none).
QRect inkBounds(const QImage& image);
bool blackAndWhiteOnly(const QImage& image);
