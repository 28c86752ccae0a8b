// The drawing side of ImageItem: fonts, anchoring, screen rectangles and
// justification on a DotCanvas.
#include "document/ImageItem.h"

#include "platform/Windows1252.h"
#include "printer/DotCanvas.h"
#include "printer/FontRealizer.h"
#include "printer/PrinterModels.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace {

QStringList linePieces(const std::string& text) {
    return Windows1252::decode(text).split(QLatin1Char('\n'));
}

// The size of the text's cell on the canvas: its longest line, and the
// height of its lines one below the other.
struct TextExtent {
    int along = 0;
    int across = 0;
};

TextExtent textExtent(DotCanvas& view, const QFont& font, const QStringList& pieces,
                      int lineHeight) {
    TextExtent extent;
    for (const QString& piece : pieces)
        extent.along = std::max(extent.along, view.textAdvance(font, piece));
    extent.across = int(pieces.size() - 1) * lineHeight + QFontMetrics(font).height();
    return extent;
}

// The anchor coordinate a justification puts an item at, for the first three
// columns of the justification tables (left/top, centre/middle, right/bottom).
struct Justified {
    int32_t atStart;
    int32_t atCentre;
    int32_t atEnd;
    int32_t pick(int justification) const {
        return justification == 1 ? atStart : justification == 2 ? atCentre : atEnd;
    }
};

// a, c: bottom and top of the capitals in dots; w, h: the text's cell.
struct Cell {
    int32_t a, c, w, h;
};

Justified acrossTheImage(const DotRect& area, int32_t m, int rotation, const Cell& t) {
    const int32_t L = area.Left, R = area.Right, AW = area.Right - area.Left;
    switch (rotation) {
    case 0:
        return {L + m, L + (AW - t.w) / 2, R - t.w - m};
    case 1:
        return {L + m + t.a, L + (AW - t.h) / 2 + t.a, R - t.h - m + t.a};
    case 2:
        return {L + t.w + m, L + (AW - t.w) / 2 + t.w, R - m};
    default:
        return {L + t.h + m - t.a, L + (AW + t.h) / 2 - t.a, R - m - t.a};
    }
}

Justified downTheImage(const DotRect& area, int32_t m, int rotation, const Cell& t) {
    const int32_t T = area.Top, B = area.Bottom, AH = area.Bottom - area.Top;
    const int32_t capitals = t.a - t.c;
    switch (rotation) {
    case 0:
        return {T + m + capitals, T + AH / 2 + capitals / 2, B - m};
    case 1:
        return {T + m + t.w, T + AH / 2 + t.w / 2, B - m};
    case 2:
        return {T + m, T + AH / 2 - capitals / 2, B - m - capitals};
    default:
        return {T + m, T + AH / 2 - t.w / 2, B - m - t.w};
    }
}

} // namespace

RealizedFont ImageItem::selectFont(DotCanvas& view) {
    RealizedFont font = view.itemFont(FontNumber, view.scaleX());
    const bool otherLetters = Metrics.Rotation != Rotation || Metrics.FontNumber != FontNumber;
    if (otherLetters || Metrics.PointSize != font.points) {
        ItemMetrics request = Metrics;
        // Another face or turn has other capitals even in a cell of the same
        // height, which alone would keep the old measurement.
        if (otherLetters)
            request.CellHeight = 0;
        request.Rotation = Rotation;
        request.FontNumber = FontNumber;
        request.PointSize = font.points;
        Metrics = view.measureCapitals(request);
    }
    if (QPainter* canvas = view.canvas())
        canvas->setFont(font.font);
    return font;
}

QPoint ImageItem::anchorCorner(const DotCanvas& view) const {
    const double sx = double(getX()) * double(view.scaleX());
    const double sy = double(getY()) * double(view.scaleY());
    const int b = Metrics.InkBottom;
    switch (Rotation & 3) {
    case 0:
        return {roundHalfEven(sx), roundHalfEven(sy - b)};
    case 1:
        return {roundHalfEven(sx - b), roundHalfEven(sy)};
    case 2:
        return {roundHalfEven(sx), roundHalfEven(sy + b)};
    default:
        return {roundHalfEven(sx + b), roundHalfEven(sy)};
    }
}

void ImageItem::justify(DotCanvas& view, const std::string& text) {
    if (Justification < 1 || Justification > 3)
        return;
    const int model = view.models().selectedIndex();
    if (model < 0 || model > 2)
        return;
    const RealizedFont font = selectFont(view);
    const TextExtent extent = textExtent(view, font.font, linePieces(text), Metrics.CellHeight);
    const double sx = view.scaleX();
    const double sy = view.scaleY();
    const Cell cell{roundHalfEven(Metrics.InkBottom / sx), roundHalfEven(Metrics.InkTop / sx),
                    roundHalfEven(extent.along / sx), roundHalfEven(extent.across / sy)};
    QPoint position = getPosition();
    const int rotation = Rotation & 3;
    if (model == 0)
        position.setX(
            acrossTheImage(view.areaRect(), view.margin(), rotation, cell).pick(Justification));
    else
        position.setY(
            downTheImage(view.areaRect(), view.margin(), rotation, cell).pick(Justification));
    setPosition(position);
}

void ImageItem::draw(DotCanvas& view) {
    selectFont(view);
}

void ImageItem::erase(DotCanvas& view) {
    view.fillWhite(getScreenRect(view));
}

void ImageItem::moveTo(DotCanvas& view, int32_t x, int32_t y) {
    erase(view);
    setX(x);
    setY(y);
    draw(view);
}

bool ImageItem::hitTest(DotCanvas& view, int32_t x, int32_t y) {
    const QPoint screen = view.dotsToScreen(x, y);
    return getScreenRect(view).contains(screen.x(), screen.y());
}

EdgeRect ImageItem::getScreenRect(DotCanvas& view) {
    selectFont(view);
    const QPoint corner = anchorCorner(view);
    return {corner.x(), corner.y(), corner.x(), corner.y()};
}

void ImageItem::drawHighlight(DotCanvas& view) {
    view.invert(getScreenRect(view));
}

void ImageItem::drawOutline(DotCanvas& view) {
    view.invertOutline(getScreenRect(view));
}

EdgeRect ImageItem::capitalInkBox(DotCanvas& view) {
    EdgeRect box = getScreenRect(view);
    const int top = Metrics.InkTop;
    const int bottom = Metrics.InkBottom;
    switch (Rotation & 3) {
    case 0:
        box = {box.Left, box.Top + top, box.Right, box.Top + bottom - 1};
        break;
    case 1:
        box = {box.Left + top, box.Top, box.Left + bottom - 1, box.Bottom};
        break;
    case 2:
        box = {box.Left, box.Bottom - bottom + 1, box.Right, box.Bottom - top};
        break;
    default:
        box = {box.Right - bottom + 1, box.Top, box.Right - top, box.Bottom};
        break;
    }
    return box;
}

void ImageItem::drawAnchoredText(DotCanvas& view, const std::string& text) {
    const RealizedFont font = selectFont(view);
    justify(view, text);
    if (!view.canvas())
        return;
    QPoint origin = anchorCorner(view);
    for (const QString& piece : linePieces(text)) {
        view.drawText(font.font, Rotation, origin, piece);
        origin = nextLineOrigin(Rotation, origin, Metrics.CellHeight);
    }
}

EdgeRect ImageItem::anchoredTextRect(DotCanvas& view, const std::string& text) {
    const RealizedFont font = selectFont(view);
    const TextExtent extent = textExtent(view, font.font, linePieces(text), Metrics.CellHeight);
    return anchoredCellRect(view, extent.along, extent.across);
}

EdgeRect ImageItem::anchoredCellRect(const DotCanvas& view, int along, int across) const {
    const int rotation = Rotation & 3;
    EdgeRect rect = textCellRect(rotation, anchorCorner(view), along, across);
    // Text running off the restricted area is cut at its edges.
    const EdgeRect area = view.areaOnScreen();
    if (rotation != 2)
        rect.Left = std::max(rect.Left, area.Left);
    if (rotation != 0)
        rect.Right = std::min(rect.Right, area.Right);
    return rect;
}

void ImageItem::justifyPicture(DotCanvas& view, int32_t width, int32_t height) {
    if (Justification < 1 || Justification > 3)
        return;
    const PrinterModels& models = view.models();
    if (models.selectedIndex() < 0 || models.selectedIndex() > 2)
        return;
    const int32_t margin = view.margin();
    // Halved as a signed number: a picture wider than the area stays near it.
    const auto justified = [&](int32_t start, int32_t end, int32_t size) {
        if (Justification == 1)
            return start + margin;
        if (Justification == 2)
            return start + (end - start - size) / 2;
        return end - (margin + size);
    };
    const DotRect& area = view.areaRect();
    if (models.just() == 0)
        setX(justified(area.Left, area.Right, width));
    else if (models.just() == 1)
        setY(justified(area.Top, area.Bottom, height));
}

EdgeRect ImageItem::pictureScreenRect(const DotCanvas& view, int32_t width, int32_t height) const {
    const double sx = view.scaleX();
    const double sy = view.scaleY();
    const int left = roundHalfEven(double(getX()) * sx);
    const int top = roundHalfEven(double(getY()) * sy);
    return {left, top, left + roundHalfEven(double(width) * sx) - 1,
            top + roundHalfEven(double(height) * sy) - 1};
}

const InkPicture* ImageItem::readyInk(DotCanvas& view) {
    const QImage* picture = drawnPicture();
    if (!picture || picture->isNull())
        return nullptr;
    justify(view, {});
    const EdgeRect rect = getScreenRect(view);
    return !rect.isEmpty() && pictureInk_.keep(rect.toQRect(), *picture) ? &pictureInk_ : nullptr;
}

void ImageItem::drawPicture(DotCanvas& view) {
    QPainter* canvas = view.canvas();
    const QImage* picture = drawnPicture();
    const EdgeRect rect = getScreenRect(view);
    if (canvas && picture && !rect.isEmpty())
        pictureInk_.paint(*canvas, rect.toQRect(), *picture);
}
