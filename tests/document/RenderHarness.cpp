#include "RenderHarness.h"

#include "items/TextItem.h"
#include "persist/DownloadBuffer.h"

RenderHarness::RenderHarness(int modelIndex) {
    const struct {
        int number;
        const char* face;
        int size;
    } faces[] = {{SansFont, "DejaVu Sans", 12},
                 {BoldFont, "DejaVu Sans", 9},
                 {SerifFont, "DejaVu Serif", 16}};
    for (const int model : {1, 2, 4}) {
        for (const auto& face : faces) {
            auto font = std::make_unique<PrinterFont>();
            font->FaceName = face.face;
            font->PointSize = face.size;
            font->Bold = face.number == BoldFont;
            font->FontNumber = face.number;
            font->ModelCode = model;
            font->DownloadCode = 10 * model + face.number;
            fonts.append(std::move(font));
        }
    }
    selectModel(modelIndex);
}

void RenderHarness::selectModel(int modelIndex) {
    models.setSelectedIndex(modelIndex);
    display.resetGeometry(50, models.fontDPI(), models.height(), models.width(), 0, 0);
    zoom(1.0f);
}

void RenderHarness::zoom(float factor) {
    display.setScaleX(factor);
    display.setScaleY(factor);
    display.resizeBitmap(roundHalfEven(display.displayWidth() * double(factor)),
                         roundHalfEven(display.displayHeight() * double(factor)));
}

QImage RenderHarness::render(ItemList& items) {
    {
        CanvasPainter painter(display);
        items.eraseImage(display);
        items.drawAll(display);
    }
    return display.bitmap().copy();
}

QImage RenderHarness::render(ImageItem& item) {
    {
        CanvasPainter painter(display);
        display.fillWhole();
        item.draw(display);
    }
    return display.bitmap().copy();
}

std::unique_ptr<ImageItem> textItemAt(int font, int x, int y, int rotation, const char* text) {
    auto item = ImageItem::createNew<TextItem>(font);
    item->setPosition({x, y});
    item->Rotation = uint8_t(rotation);
    item->Text = text;
    return item;
}

std::vector<uint8_t> compiledRecord(const ImageItem& item, const FontSet& fonts, int modelIndex) {
    DownloadBuffer buffer;
    item.compile(buffer, {fonts, modelIndex});
    return {buffer.Bytes.begin(), buffer.Bytes.begin() + buffer.Size};
}

QRect inkBounds(const QImage& image) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((row[x] & 0xFFFFFFu) != 0xFFFFFFu)
                ink |= QRect(x, y, 1, 1);
    }
    return ink;
}

bool blackAndWhiteOnly(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((row[x] & 0xFFFFFFu) != 0xFFFFFFu && (row[x] & 0xFFFFFFu) != 0)
                return false;
    }
    return true;
}
