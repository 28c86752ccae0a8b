#include "printer/TextCellCache.h"

#include "printer/FontRealizer.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

// Pixels of all kept pictures together (4 bytes each).
constexpr qsizetype CachePixels = 4 * 1024 * 1024;
// Measured texts kept; all are forgotten when there are more.
constexpr qsizetype KeptAdvances = 4096;
// Above this a picture copies slower than Qt draws the text.
constexpr qsizetype LargestKeptCell = 256 * 1024;

// The bounds of the pixels that are not transparent; null when none are.
QRect inkBounds(const QImage& image) {
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) == 0)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

TextCellCache::TextCellCache() : pictures_(CachePixels) {}

void TextCellCache::draw(QPainter& painter, const QFont& font, int rotation, QPoint cellOrigin,
                         const QString& text) {
    const Picture* picture = find(font, rotation, text);
    if (!picture) {
        drawTextCell(painter, font, rotation, cellOrigin, text);
        return;
    }
    if (picture->ink.isNull())
        return;
    // Straight onto a bitmap, only the black is written.
    QRect clip;
    if (QImage* pixels = picture->blackKept ? InkPicture::pixelsUnder(painter, clip) : nullptr) {
        picture->black.fill(*pixels, cellOrigin + picture->offset, clip);
        return;
    }
    const auto mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(cellOrigin + picture->offset, picture->ink);
    painter.setCompositionMode(mode);
}

int TextCellCache::advance(const QFont& font, const QString& text) {
    Key key{font, 0, text};
    if (const auto kept = advances_.constFind(key); kept != advances_.constEnd())
        return *kept;
    if (advances_.size() >= KeptAdvances)
        advances_.clear();
    const int along = QFontMetrics(font).horizontalAdvance(text);
    advances_.insert(std::move(key), along);
    return along;
}

const TextCellCache::Picture* TextCellCache::find(const QFont& font, int rotation,
                                                  const QString& text) {
    const Key key{font, rotation & 3, text};
    if (const Picture* kept = pictures_.object(key))
        return kept;

    const QFontMetrics metrics(font);
    const int across = metrics.height();
    const QRect cell =
        textCellRect(rotation, {0, 0}, metrics.horizontalAdvance(text), across).toQRect();
    if (qsizetype(cell.width()) * cell.height() > LargestKeptCell)
        return nullptr;
    // Room for glyphs that reach beyond their cell.
    const QRect room = cell.adjusted(-across, -across, across, across);

    QImage canvas(room.size(), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        drawTextCell(painter, font, rotation, -room.topLeft(), text);
    }
    const QRect ink = inkBounds(canvas);
    const qsizetype cost = std::max<qsizetype>(1, qsizetype(ink.width()) * ink.height());
    auto* picture = new Picture{
        ink.isNull() ? QImage() : canvas.copy(ink), ink.topLeft() + room.topLeft(), {}, false};
    picture->blackKept = picture->black.keepOpaque(picture->ink);
    pictures_.insert(key, picture, cost);
    return pictures_.object(key);
}
