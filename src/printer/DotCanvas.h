#pragma once

#include "printer/EdgeRect.h"
#include "printer/FontRealizer.h"
#include "printer/ItemCalendar.h"
#include "printer/ItemMetrics.h"
#include "printer/TextCellCache.h"

#include <QImage>
#include <QPoint>

#include <cstdint>
#include <memory>

class QPainter;
class PrinterModels;
class FontSet;

// The area of an image in dots, margins included: its width is Right − Left.
struct DotRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    bool operator==(const DotRect&) const = default;
};

// The view of the open image as printer dots: its geometry (a margin around
// the printable area, the restricted area, the model's font resolution), the
// scale from dots to screen pixels, and the canvas items draw on. It measures
// where the capitals of a realised font lie, so that items can anchor their
// text at the bottom of the capitals as the print head does.
//
// The picture is a bitmap the display owns; drawing goes to the canvas, a
// painter that the caller begins (CanvasPainter does it for the bitmap, with a
// clip when only part of the picture is redrawn). Without a canvas, items
// still answer their geometry but draw nothing.
class DotCanvas {
public:
    static constexpr int32_t StandardMargin = 50;

    DotCanvas(const FontSet& fonts, const PrinterModels& models);

    void resetGeometry(int32_t margin, int32_t fontDPI, int32_t height, int32_t width, int32_t top,
                       int32_t left);
    // The area as an image file keeps it; the image's size is set apart.
    void setGeometry(int32_t fontDPI, int32_t left, int32_t top, int32_t right, int32_t bottom);
    // The whole image in dots, without its margins: the model's head and
    // longest message for a new image, what the file brings for an opened one.
    void setImageSize(int32_t width, int32_t height);
    // The restricted area changes when the user draws or types a new one.
    void setAreaRect(const DotRect& area) { area_ = area; }

    int32_t margin() const { return margin_; }
    int32_t fontDPI() const { return fontDPI_; }
    const DotRect& areaRect() const { return area_; }
    int32_t areaLeft() const { return area_.Left; }
    int32_t areaTop() const { return area_.Top; }
    int32_t areaWidth() const { return area_.Right - area_.Left - 2 * margin_; }
    int32_t areaHeight() const { return area_.Bottom - area_.Top - 2 * margin_; }
    int32_t imageWidth() const { return imageWidth_; }
    int32_t imageHeight() const { return imageHeight_; }
    // The whole picture in dots, both margins included.
    int32_t displayWidth() const { return imageWidth_ + 2 * margin_; }
    int32_t displayHeight() const { return imageHeight_ + 2 * margin_; }
    int32_t withMargins(int32_t length) const { return length + 2 * margin_; }
    // 0 when an item of w × h dots fits the area; 1 when too wide, else 2
    // when too high. A negative size is not checked.
    int checkFits(int32_t w, int32_t h) const;

    float scaleX() const { return scaleX_; }
    float scaleY() const { return scaleY_; }
    // A scale that is not a positive number is ignored: everything on screen
    // is divided by it.
    void setScaleX(float scale);
    void setScaleY(float scale);
    QPoint dotsToScreen(int32_t x, int32_t y) const;
    // The screen rectangle covering the dots of the restricted area.
    EdgeRect areaOnScreen() const;

    // The realised font of a printer font number at a scale.
    RealizedFont itemFont(int32_t fontNumber, float scale) const;
    // Fills in where the capitals lie for the cache's font number, rotation
    // and the current vertical scale; returns the cache unchanged when the
    // cell height is the one it holds and it has a measurement.
    ItemMetrics measureCapitals(const ItemMetrics& cache) const;

    const FontSet& fonts() const { return fonts_; }
    const PrinterModels& models() const { return models_; }
    // What items that show the moment of printing read; systemCalendar()
    // until one is set. The calendar must outlive the canvas or be replaced.
    const ItemCalendar& calendar() const { return *calendar_; }
    void setCalendar(const ItemCalendar* calendar) {
        calendar_ = calendar ? calendar : &systemCalendar();
    }

    // The bitmap holding the picture (white after a resize).
    QImage& bitmap() { return bitmap_; }
    const QImage& bitmap() const { return bitmap_; }
    void resizeBitmap(int width, int height);

    QPainter* canvas() const { return canvas_; }
    void setCanvas(QPainter* canvas) { canvas_ = canvas; }
    // Canvas operations; each does nothing without a canvas.
    void fillWhite(const EdgeRect& rect);
    void fillWhole();
    void invert(const EdgeRect& rect);
    void invertOutline(const EdgeRect& rect);
    // Writes text as drawTextCell does.
    void drawText(const QFont& font, int rotation, QPoint cellOrigin, const QString& text);
    // How far font advances over text, in pixels.
    int textAdvance(const QFont& font, const QString& text) {
        return pictures_.advance(font, text);
    }

private:
    const FontSet& fonts_;
    const PrinterModels& models_;
    const ItemCalendar* calendar_ = &systemCalendar();
    FontRealizer realizer_;
    TextCellCache pictures_;

    int32_t margin_ = StandardMargin;
    int32_t fontDPI_ = 0;
    DotRect area_;
    int32_t imageWidth_ = 0;
    int32_t imageHeight_ = 0;
    float scaleX_ = 1.0f;
    float scaleY_ = 1.0f;

    QImage bitmap_;
    QPainter* canvas_ = nullptr;
};

// Paints on a display's bitmap for as long as it lives, optionally only
// inside a clip rectangle; the display's previous canvas comes back after.
class CanvasPainter {
public:
    explicit CanvasPainter(DotCanvas& display);
    CanvasPainter(DotCanvas& display, const QRect& clip);
    ~CanvasPainter();
    CanvasPainter(const CanvasPainter&) = delete;
    CanvasPainter& operator=(const CanvasPainter&) = delete;

private:
    DotCanvas& display_;
    QPainter* previous_;
    std::unique_ptr<QPainter> painter_;
};
