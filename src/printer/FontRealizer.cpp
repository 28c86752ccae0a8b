#include "printer/FontRealizer.h"

#include "printer/PrinterFont.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Far beyond any printer font at the largest zoom; a damaged font map must
// not make the canvas build glyphs larger than the image.
constexpr int32_t MaxCanvasPoints = 1500;

} // namespace

int roundHalfEven(double value) {
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value);
    if (rounded <= double(INT_MIN))
        return INT_MIN;
    if (rounded >= double(INT_MAX))
        return INT_MAX;
    return int(rounded);
}

int32_t FontRealizer::canvasPoints(int32_t pointSize, int32_t fontDPI, float scale) {
    const double points = double(pointSize) * fontDPI / CanvasPixelsPerInch * double(scale);
    return std::clamp(roundHalfEven(points), 0, MaxCanvasPoints);
}

int FontRealizer::pixelSize(int32_t canvasPoints) {
    return std::max(1, roundHalfEven(canvasPoints * double(CanvasPixelsPerInch) / 72.0));
}

QFont FontRealizer::realize(const PrinterFont* font, int32_t canvasPoints) const {
    const std::string face = font ? font->FaceName : std::string();
    const bool bold = font && font->Bold;
    const int pixels = pixelSize(canvasPoints);
    const Key key{face, pixels, bold};
    const auto found = cache_.find(key);
    if (found != cache_.end())
        return found->second;

    QFont realized(QString::fromLatin1(face.data(), qsizetype(face.size())));
    realized.setPixelSize(pixels);
    realized.setBold(bold);
    realized.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
    cache_.emplace(key, realized);
    return realized;
}

void drawTextCell(QPainter& painter, const QFont& font, int rotation, QPoint cellOrigin,
                  const QString& text) {
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.translate(cellOrigin);
    painter.rotate(-90.0 * (rotation & 3));
    painter.drawText(QPoint(0, QFontMetrics(font).ascent()), text);
    painter.restore();
}

QPoint nextLineOrigin(int rotation, QPoint cellOrigin, int distance) {
    const QPoint down[4] = {{0, 1}, {1, 0}, {0, -1}, {-1, 0}};
    return cellOrigin + down[rotation & 3] * distance;
}

EdgeRect textCellRect(int rotation, QPoint cellOrigin, int along, int across) {
    const int x = cellOrigin.x();
    const int y = cellOrigin.y();
    switch (rotation & 3) {
    case 0:
        return {x, y, x + along - 1, y + across - 1};
    case 1: // the text runs upwards, its cell lies to the right
        return {x, y - along, x + across - 1, y - 1};
    case 2: // upside down: to the left, the cell above
        return {x - along, y - across, x - 1, y - 1};
    default: // runs downwards, the cell lies to the left
        return {x - across, y, x - 1, y + along - 1};
    }
}
