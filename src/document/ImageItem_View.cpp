// The drawing side of ImageItem: fonts, anchoring, screen rectangles and
// justification on a NebraDisplay.
#include "document/ImageItem.h"

#include "platform/Windows1252.h"
#include "printer/FontRealizer.h"
#include "printer/NebraDisplays.h"
#include "printer/miprinters.h"

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

TextExtent textExtent(const QFont& font, const QStringList& pieces, int lineHeight) {
    const QFontMetrics metrics(font);
    TextExtent extent;
    for (const QString& piece : pieces)
        extent.along = std::max(extent.along, metrics.horizontalAdvance(piece));
    extent.across = int(pieces.size() - 1) * lineHeight + metrics.height();
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

RealizedFont ImageItem::SelectFont(NebraDisplay& view) {
    RealizedFont font = view.ItemFont(FontNumber, view.ScaleX());
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
        Metrics = view.MeasureCapitals(request);
    }
    if (QPainter* canvas = view.Canvas())
        canvas->setFont(font.font);
    return font;
}

QPoint ImageItem::anchorCorner(const NebraDisplay& view) const {
    const double sx = double(getX()) * double(view.ScaleX());
    const double sy = double(getY()) * double(view.ScaleY());
    const int b = Metrics.InkBottom;
    switch (Rotation & 3) {
    case 0:
        return {RoundHalfEven(sx), RoundHalfEven(sy - b)};
    case 1:
        return {RoundHalfEven(sx - b), RoundHalfEven(sy)};
    case 2:
        return {RoundHalfEven(sx), RoundHalfEven(sy + b)};
    default:
        return {RoundHalfEven(sx + b), RoundHalfEven(sy)};
    }
}

void ImageItem::justify(NebraDisplay& view, const std::string& text) {
    if (Justification < 1 || Justification > 3)
        return;
    const int model = view.Models().selectedIndex();
    if (model < 0 || model > 2)
        return;
    const RealizedFont font = SelectFont(view);
    const TextExtent extent = textExtent(font.font, linePieces(text), Metrics.CellHeight);
    const double sx = view.ScaleX();
    const double sy = view.ScaleY();
    const Cell cell{RoundHalfEven(Metrics.InkBottom / sx), RoundHalfEven(Metrics.InkTop / sx),
                    RoundHalfEven(extent.along / sx), RoundHalfEven(extent.across / sy)};
    QPoint position = getPosition();
    const int rotation = Rotation & 3;
    if (model == 0)
        position.setX(
            acrossTheImage(view.AreaRect(), view.Margin(), rotation, cell).pick(Justification));
    else
        position.setY(
            downTheImage(view.AreaRect(), view.Margin(), rotation, cell).pick(Justification));
    SetPosition(position);
}

void ImageItem::Draw(NebraDisplay& view) {
    SelectFont(view);
}

void ImageItem::erase(NebraDisplay& view) {
    view.FillWhite(getScreenRect(view));
}

void ImageItem::moveTo(NebraDisplay& view, int32_t x, int32_t y) {
    erase(view);
    setX(x);
    setY(y);
    Draw(view);
}

bool ImageItem::hitTest(NebraDisplay& view, int32_t x, int32_t y) {
    const QPoint screen = view.DotsToScreen(x, y);
    return getScreenRect(view).Contains(screen.x(), screen.y());
}

EdgeRect ImageItem::getScreenRect(NebraDisplay& view) {
    SelectFont(view);
    const QPoint corner = anchorCorner(view);
    return {corner.x(), corner.y(), corner.x(), corner.y()};
}

void ImageItem::drawHighlight(NebraDisplay& view) {
    view.Invert(getScreenRect(view));
}

void ImageItem::drawOutline(NebraDisplay& view) {
    view.InvertOutline(getScreenRect(view));
}

EdgeRect ImageItem::capitalInkBox(NebraDisplay& view) {
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

void ImageItem::drawAnchoredText(NebraDisplay& view, const std::string& text) {
    const RealizedFont font = SelectFont(view);
    justify(view, text);
    if (!view.Canvas())
        return;
    QPoint origin = anchorCorner(view);
    for (const QString& piece : linePieces(text)) {
        view.DrawText(font.font, Rotation, origin, piece);
        origin = NextLineOrigin(Rotation, origin, Metrics.CellHeight);
    }
}

EdgeRect ImageItem::anchoredTextRect(NebraDisplay& view, const std::string& text) {
    const RealizedFont font = SelectFont(view);
    const TextExtent extent = textExtent(font.font, linePieces(text), Metrics.CellHeight);
    const int rotation = Rotation & 3;
    EdgeRect rect = TextCellRect(rotation, anchorCorner(view), extent.along, extent.across);
    // Text running off the restricted area is cut at its edges.
    const EdgeRect area = view.AreaOnScreen();
    if (rotation != 2)
        rect.Left = std::max(rect.Left, area.Left);
    if (rotation != 0)
        rect.Right = std::min(rect.Right, area.Right);
    return rect;
}
