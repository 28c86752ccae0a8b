#include "RenderHarness.h"

#include "items/TextItem.h"
#include "persist/IDL.h"

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
            auto font = std::make_unique<NEBRAFont>();
            font->FaceName = face.face;
            font->PointSize = face.size;
            font->Bold = face.number == BoldFont;
            font->FontNumber = face.number;
            font->ModelCode = model;
            font->DownloadCode = 10 * model + face.number;
            fonts.Append(std::move(font));
        }
    }
    selectModel(modelIndex);
}

void RenderHarness::selectModel(int modelIndex) {
    models.setSelectedIndex(modelIndex);
    display.ResetGeometry(50, models.FontDPI(), models.Height(), models.Width(), 0, 0);
    zoom(1.0f);
}

void RenderHarness::zoom(float factor) {
    display.SetScaleX(factor);
    display.SetScaleY(factor);
    display.ResizeBitmap(RoundHalfEven(display.DisplayWidth() * double(factor)),
                         RoundHalfEven(display.DisplayHeight() * double(factor)));
}

QImage RenderHarness::render(ItemList& items) {
    {
        CanvasPainter painter(display);
        items.eraseImage(display);
        items.drawAll(display);
    }
    return display.Bitmap().copy();
}

QImage RenderHarness::render(ImageItem& item) {
    {
        CanvasPainter painter(display);
        display.FillWhole();
        item.Draw(display);
    }
    return display.Bitmap().copy();
}

std::unique_ptr<ImageItem> textItemAt(int font, int x, int y, int rotation, const char* text) {
    auto item = ImageItem::createNew<TextItem>(font);
    item->SetPosition({x, y});
    item->Rotation = uint8_t(rotation);
    item->Text = text;
    return item;
}

std::vector<uint8_t> compiledRecord(const ImageItem& item, const TFontSet& fonts, int modelIndex) {
    IDL buffer;
    item.Compile(buffer, {fonts, modelIndex});
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
