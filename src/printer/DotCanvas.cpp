#include "printer/DotCanvas.h"

#include "printer/FontSet.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const QLatin1Char MeasuredLetter('E');

// The scratch picture of one letter, turned as an item turns it, and the
// scans that find its ink. Positions outside the picture count as ink, so a
// scan that finds none ends just past the picture's edge.
class LetterScan {
public:
    LetterScan(const QFont& font, int rotation, int w, int h) : w_(w), h_(h) {
        const bool upright = rotation == 0 || rotation == 2;
        image_ = QImage(upright ? w : h, upright ? h : w, QImage::Format_RGB32);
        if (image_.isNull())
            return;
        image_.fill(Qt::white);
        const QPoint origins[4] = {{0, 0}, {0, w}, {w, h}, {h, 0}};
        QPainter painter(&image_);
        drawTextCell(painter, font, rotation, origins[rotation], QString(MeasuredLetter));
    }

    bool inkAt(int x, int y) const {
        if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
            return true;
        const auto* row = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
        return (row[x] & 0xFFFFFFu) != 0xFFFFFFu;
    }
    bool rowHasInk(int y) const {
        if (y < 0 || y >= image_.height())
            return true;
        for (int x = 0; x < image_.width(); ++x)
            if (inkAt(x, y))
                return true;
        return false;
    }
    // The first row (from, from + step, …) that holds ink.
    int firstInkRow(int from, int step) const {
        int y = from;
        while (!rowHasInk(y))
            y += step;
        return y;
    }
    int firstInkInRow(int y, int from, int step) const {
        int x = from;
        while (!inkAt(x, y))
            x += step;
        return x;
    }
    int firstInkInColumn(int x, int from, int step) const {
        int y = from;
        while (!inkAt(x, y))
            y += step;
        return y;
    }

    // Distances from the cell's top edge to the bottom and top of the ink.
    std::pair<int, int> inkBottomAndTop(int rotation) const {
        const int half = w_ / 2;
        switch (rotation) {
        case 0:
            return {firstInkRow(h_ - 1, -1) + 1, firstInkRow(0, 1)};
        case 1:
            return {firstInkInRow(half, h_ - 1, -1) + 1, firstInkInRow(half, 0, 1)};
        case 2:
            return {h_ - firstInkInColumn(half, 0, 1),
                    h_ - (firstInkInColumn(half, h_ - 1, -1) + 1)};
        default:
            return {h_ - firstInkInRow(half, 0, 1), h_ - (firstInkInRow(half, h_ - 1, -1) + 1)};
        }
    }

private:
    int w_;
    int h_;
    QImage image_;
};

} // namespace

DotCanvas::DotCanvas(const FontSet& fonts, const PrinterModels& models)
    : fonts_(fonts), models_(models) {}

void DotCanvas::resetGeometry(int32_t margin, int32_t fontDPI, int32_t height, int32_t width,
                              int32_t top, int32_t left) {
    margin_ = margin;
    fontDPI_ = fontDPI;
    area_ = {left, top, left + width + 2 * margin, top + height + 2 * margin};
    imageWidth_ = width;
    imageHeight_ = height;
    scaleX_ = scaleY_ = 1.0f;
}

void DotCanvas::setGeometry(int32_t fontDPI, int32_t left, int32_t top, int32_t right,
                            int32_t bottom) {
    margin_ = StandardMargin;
    fontDPI_ = fontDPI;
    area_ = {left, top, right, bottom};
    scaleX_ = scaleY_ = 1.0f;
}

void DotCanvas::setImageSize(int32_t width, int32_t height) {
    imageWidth_ = width;
    imageHeight_ = height;
}

int DotCanvas::checkFits(int32_t w, int32_t h) const {
    if (w >= 0 && w > areaWidth())
        return 1;
    if (h >= 0 && h > areaHeight())
        return 2;
    return 0;
}

void DotCanvas::setScaleX(float scale) {
    if (std::isfinite(scale) && scale > 0.0f)
        scaleX_ = scale;
}

void DotCanvas::setScaleY(float scale) {
    if (std::isfinite(scale) && scale > 0.0f)
        scaleY_ = scale;
}

QPoint DotCanvas::dotsToScreen(int32_t x, int32_t y) const {
    return {roundHalfEven(double(x) * double(scaleX_)), roundHalfEven(double(y) * double(scaleY_))};
}

EdgeRect DotCanvas::areaOnScreen() const {
    const QPoint topLeft = dotsToScreen(area_.Left, area_.Top);
    const QPoint bottomRight = dotsToScreen(area_.Right, area_.Bottom);
    return {topLeft.x(), topLeft.y(), bottomRight.x(), bottomRight.y()};
}

RealizedFont DotCanvas::itemFont(int32_t fontNumber, float scale) const {
    const PrinterFont* font = fonts_.findFont(fontNumber);
    const int32_t points = FontRealizer::canvasPoints(font ? font->PointSize : 0, fontDPI_, scale);
    return {realizer_.realize(font, points), points};
}

ItemMetrics DotCanvas::measureCapitals(const ItemMetrics& cache) const {
    const QFont font = itemFont(cache.FontNumber, scaleY_).font;
    const QFontMetrics metrics(font);
    const int w = metrics.horizontalAdvance(MeasuredLetter);
    const int h = metrics.height();
    if (h == cache.CellHeight && cache.InkBottom != 0)
        return cache;

    ItemMetrics measured = cache;
    measured.CellHeight = h;
    const int rotation = cache.Rotation & 3;
    const auto [bottom, top] = LetterScan(font, rotation, w, h).inkBottomAndTop(rotation);
    measured.InkBottom = bottom;
    measured.InkTop = top;
    return measured;
}

void DotCanvas::resizeBitmap(int width, int height) {
    bitmap_ = QImage(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    bitmap_.fill(Qt::white);
}

void DotCanvas::fillWhite(const EdgeRect& rect) {
    if (canvas_ && !rect.isEmpty())
        canvas_->fillRect(rect.toQRect(), Qt::white);
}

void DotCanvas::fillWhole() {
    if (canvas_ && canvas_->device())
        canvas_->fillRect(QRect(0, 0, canvas_->device()->width(), canvas_->device()->height()),
                          Qt::white);
}

void DotCanvas::invert(const EdgeRect& rect) {
    if (!canvas_ || rect.isEmpty())
        return;
    const auto mode = canvas_->compositionMode();
    canvas_->setCompositionMode(QPainter::RasterOp_NotDestination);
    canvas_->fillRect(rect.toQRect(), Qt::black);
    canvas_->setCompositionMode(mode);
}

void DotCanvas::invertOutline(const EdgeRect& rect) {
    if (rect.isEmpty())
        return;
    // Each pixel of the outline exactly once, or inverting twice would leave
    // the corners unchanged.
    const EdgeRect& r = rect;
    invert({r.Left, r.Top, r.Right, r.Top});
    if (r.Bottom > r.Top)
        invert({r.Left, r.Bottom, r.Right, r.Bottom});
    invert({r.Left, r.Top + 1, r.Left, r.Bottom - 1});
    if (r.Right > r.Left)
        invert({r.Right, r.Top + 1, r.Right, r.Bottom - 1});
}

void DotCanvas::drawText(const QFont& font, int rotation, QPoint cellOrigin, const QString& text) {
    if (canvas_)
        pictures_.draw(*canvas_, font, rotation, cellOrigin, text);
}

CanvasPainter::CanvasPainter(DotCanvas& display)
    : display_(display), previous_(display.canvas()), painter_(std::make_unique<QPainter>()) {
    // A bitmap of no size cannot be painted on; the items then draw nothing.
    const bool painting = !display.bitmap().isNull() && painter_->begin(&display.bitmap());
    display_.setCanvas(painting ? painter_.get() : nullptr);
}

CanvasPainter::CanvasPainter(DotCanvas& display, const QRect& clip) : CanvasPainter(display) {
    if (painter_->isActive())
        painter_->setClipRect(clip);
}

CanvasPainter::~CanvasPainter() {
    if (painter_->isActive())
        painter_->end();
    display_.setCanvas(previous_);
}
