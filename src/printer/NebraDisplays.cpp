#include "printer/NebraDisplays.h"

#include "platform/Clock.h"
#include "printer/FontSetUnit.h"

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
        DrawTextCell(painter, font, rotation, origins[rotation], QString(MeasuredLetter));
    }

    bool InkAt(int x, int y) const {
        if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
            return true;
        const auto* row = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
        return (row[x] & 0xFFFFFFu) != 0xFFFFFFu;
    }
    bool RowHasInk(int y) const {
        if (y < 0 || y >= image_.height())
            return true;
        for (int x = 0; x < image_.width(); ++x)
            if (InkAt(x, y))
                return true;
        return false;
    }
    // The first row (from, from + step, …) that holds ink.
    int FirstInkRow(int from, int step) const {
        int y = from;
        while (!RowHasInk(y))
            y += step;
        return y;
    }
    int FirstInkInRow(int y, int from, int step) const {
        int x = from;
        while (!InkAt(x, y))
            x += step;
        return x;
    }
    int FirstInkInColumn(int x, int from, int step) const {
        int y = from;
        while (!InkAt(x, y))
            y += step;
        return y;
    }

    // Distances from the cell's top edge to the bottom and top of the ink.
    std::pair<int, int> InkBottomAndTop(int rotation) const {
        const int half = w_ / 2;
        switch (rotation) {
        case 0:
            return {FirstInkRow(h_ - 1, -1) + 1, FirstInkRow(0, 1)};
        case 1:
            return {FirstInkInRow(half, h_ - 1, -1) + 1, FirstInkInRow(half, 0, 1)};
        case 2:
            return {h_ - FirstInkInColumn(half, 0, 1),
                    h_ - (FirstInkInColumn(half, h_ - 1, -1) + 1)};
        default:
            return {h_ - FirstInkInRow(half, 0, 1), h_ - (FirstInkInRow(half, h_ - 1, -1) + 1)};
        }
    }

private:
    int w_;
    int h_;
    QImage image_;
};

const SystemClock& systemClock() {
    static const SystemClock clock;
    return clock;
}

} // namespace

NebraDisplay::NebraDisplay(const TFontSet& fonts, const TCoderList& models)
    : fonts_(fonts), models_(models) {}

void NebraDisplay::ResetGeometry(int32_t margin, int32_t fontDPI, int32_t height, int32_t width,
                                 int32_t top, int32_t left) {
    margin_ = margin;
    fontDPI_ = fontDPI;
    area_ = {left, top, left + width + 2 * margin, top + height + 2 * margin};
    imageWidth_ = width;
    imageHeight_ = height;
    scaleX_ = scaleY_ = 1.0f;
}

void NebraDisplay::SetGeometry(int32_t fontDPI, int32_t left, int32_t top, int32_t right,
                               int32_t bottom) {
    margin_ = StandardMargin;
    fontDPI_ = fontDPI;
    area_ = {left, top, right, bottom};
    scaleX_ = scaleY_ = 1.0f;
}

void NebraDisplay::SetImageSize(int32_t width, int32_t height) {
    imageWidth_ = width;
    imageHeight_ = height;
}

int NebraDisplay::CheckFits(int32_t w, int32_t h) const {
    if (w >= 0 && w > AreaWidth())
        return 1;
    if (h >= 0 && h > AreaHeight())
        return 2;
    return 0;
}

void NebraDisplay::SetScaleX(float scale) {
    if (std::isfinite(scale) && scale > 0.0f)
        scaleX_ = scale;
}

void NebraDisplay::SetScaleY(float scale) {
    if (std::isfinite(scale) && scale > 0.0f)
        scaleY_ = scale;
}

QPoint NebraDisplay::DotsToScreen(int32_t x, int32_t y) const {
    return {RoundHalfEven(double(x) * double(scaleX_)), RoundHalfEven(double(y) * double(scaleY_))};
}

EdgeRect NebraDisplay::AreaOnScreen() const {
    const QPoint topLeft = DotsToScreen(area_.Left, area_.Top);
    const QPoint bottomRight = DotsToScreen(area_.Right, area_.Bottom);
    return {topLeft.x(), topLeft.y(), bottomRight.x(), bottomRight.y()};
}

RealizedFont NebraDisplay::ItemFont(int32_t fontNumber, float scale) const {
    const NEBRAFont* font = fonts_.FindFont(fontNumber);
    const int32_t points = FontRealizer::CanvasPoints(font ? font->PointSize : 0, fontDPI_, scale);
    return {realizer_.Realize(font, points), points};
}

ItemMetrics NebraDisplay::MeasureCapitals(const ItemMetrics& cache) const {
    const QFont font = ItemFont(cache.FontNumber, scaleY_).font;
    const QFontMetrics metrics(font);
    const int w = metrics.horizontalAdvance(MeasuredLetter);
    const int h = metrics.height();
    if (h == cache.CellHeight && cache.InkBottom != 0)
        return cache;

    ItemMetrics measured = cache;
    measured.CellHeight = h;
    const int rotation = cache.Rotation & 3;
    const auto [bottom, top] = LetterScan(font, rotation, w, h).InkBottomAndTop(rotation);
    measured.InkBottom = bottom;
    measured.InkTop = top;
    return measured;
}

const Clock& NebraDisplay::CurrentClock() const {
    return clock_ ? *clock_ : systemClock();
}

void NebraDisplay::ResizeBitmap(int width, int height) {
    bitmap_ = QImage(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    bitmap_.fill(Qt::white);
}

void NebraDisplay::FillWhite(const EdgeRect& rect) {
    if (canvas_ && !rect.IsEmpty())
        canvas_->fillRect(rect.ToQRect(), Qt::white);
}

void NebraDisplay::FillWhole() {
    if (canvas_ && canvas_->device())
        canvas_->fillRect(QRect(0, 0, canvas_->device()->width(), canvas_->device()->height()),
                          Qt::white);
}

void NebraDisplay::Invert(const EdgeRect& rect) {
    if (!canvas_ || rect.IsEmpty())
        return;
    const auto mode = canvas_->compositionMode();
    canvas_->setCompositionMode(QPainter::RasterOp_NotDestination);
    canvas_->fillRect(rect.ToQRect(), Qt::black);
    canvas_->setCompositionMode(mode);
}

void NebraDisplay::InvertOutline(const EdgeRect& rect) {
    if (rect.IsEmpty())
        return;
    // Each pixel of the outline exactly once, or inverting twice would leave
    // the corners unchanged.
    const EdgeRect& r = rect;
    Invert({r.Left, r.Top, r.Right, r.Top});
    if (r.Bottom > r.Top)
        Invert({r.Left, r.Bottom, r.Right, r.Bottom});
    Invert({r.Left, r.Top + 1, r.Left, r.Bottom - 1});
    if (r.Right > r.Left)
        Invert({r.Right, r.Top + 1, r.Right, r.Bottom - 1});
}

void NebraDisplay::DrawText(const QFont& font, int rotation, QPoint cellOrigin,
                            const QString& text) {
    if (canvas_)
        pictures_.Draw(*canvas_, font, rotation, cellOrigin, text);
}

CanvasPainter::CanvasPainter(NebraDisplay& display)
    : display_(display), previous_(display.Canvas()), painter_(std::make_unique<QPainter>()) {
    // A bitmap of no size cannot be painted on; the items then draw nothing.
    const bool painting = !display.Bitmap().isNull() && painter_->begin(&display.Bitmap());
    display_.SetCanvas(painting ? painter_.get() : nullptr);
}

CanvasPainter::CanvasPainter(NebraDisplay& display, const QRect& clip) : CanvasPainter(display) {
    if (painter_->isActive())
        painter_->setClipRect(clip);
}

CanvasPainter::~CanvasPainter() {
    if (painter_->isActive())
        painter_->end();
    display_.SetCanvas(previous_);
}
