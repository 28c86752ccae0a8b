// A whole redraw writes the pictures row by row with the whitening, where
// they overlap too, and the text after them; the result must be the one
// erasing and drawing every item in image order gives.
#include "RenderHarness.h"
#include "barcode/BarcodeData.h"
#include "items/BarcodeItem.h"
#include "items/ItemKinds.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// Text in every rotation under and over barcodes of every symbology and a
// graphic, spread so that pictures cross the bands' edges and the image's.
void fillScene(ItemList& items, int modelDpi) {
    for (int i = 0; i < 12; ++i)
        items.append(textItemAt(1 + i % 3, 40 + 150 * i, 20 + 30 * (i % 4), i % 4));
    for (int k = 0; k < SymbologyCount; ++k) {
        auto barcode = std::make_unique<BarcodeItem>();
        auto data = BarcodeData::create(Symbology(k), modelDpi);
        if (data->DigitCount == 0 && k != int(Symbology::Gs1_128))
            data->Text = k == int(Symbology::Itf) ? "12345678" : "LOT 42-A";
        barcode->takeData(std::move(data));
        barcode->setRotation(uint8_t(k % 2 * 2));
        barcode->setPosition({30 + 230 * k, 10 + 25 * (k % 3)});
        items.append(std::move(barcode));
    }
    for (const ItemKind* kind : itemKinds())
        if (kind->limitClass == ItemLimitClass::Graphics) {
            std::unique_ptr<ImageItem> graphic = kind->makeSample();
            graphic->setPosition({500, 40});
            items.append(std::move(graphic));
        }
    items.append(textItemAt(SerifFont, 520, 60, 0, "OVER"));
}

QImage redrawnWhole(RenderHarness& h, ItemList& items, const QRect& clip = {}) {
    h.display.bitmap().fill(qRgb(90, 90, 90));
    {
        std::optional<CanvasPainter> painter;
        if (clip.isNull())
            painter.emplace(h.display);
        else
            painter.emplace(h.display, clip);
        items.redrawWhole(h.display);
    }
    return h.display.bitmap().copy();
}

QImage erasedAndDrawn(RenderHarness& h, ItemList& items, const QRect& clip) {
    h.display.bitmap().fill(qRgb(90, 90, 90));
    {
        CanvasPainter painter(h.display, clip);
        items.eraseImage(h.display);
        items.drawAll(h.display);
    }
    return h.display.bitmap().copy();
}

} // namespace

TEST(WholeRedraw, GivesWhatErasingAndDrawingInOrderGivesAtEveryZoom) {
    RenderHarness h;
    ItemList items;
    fillScene(items, h.models.fontDPI());
    for (const float zoom : {1.0f, 2.0f, 1.5f, 0.5f}) {
        SCOPED_TRACE(zoom);
        h.zoom(zoom);
        const QImage expected = h.render(items);
        ASSERT_TRUE(inkBounds(expected).isValid());
        EXPECT_EQ(redrawnWhole(h, items), expected);
        // Again from the kept pictures.
        EXPECT_EQ(redrawnWhole(h, items), expected);
    }
}

TEST(WholeRedraw, StaysInsideThePaintersClip) {
    RenderHarness h;
    ItemList items;
    fillScene(items, h.models.fontDPI());
    h.zoom(2.0f);
    const QRect clip(300, 37, 900, 101);
    EXPECT_EQ(redrawnWhole(h, items, clip), erasedAndDrawn(h, items, clip));
}
