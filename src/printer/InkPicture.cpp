#include "printer/InkPicture.h"

#include <QPainter>

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The picture's black dots opaque on transparent.
QImage inkOf(const QImage& picture) {
    const bool indexed = picture.format() == QImage::Format_Mono ||
                         picture.format() == QImage::Format_MonoLSB ||
                         picture.format() == QImage::Format_Indexed8;
    QImage ink = indexed ? picture : picture.convertToFormat(QImage::Format_Indexed8);
    QList<QRgb> colours = ink.colorTable();
    for (QRgb& colour : colours)
        colour = qGray(colour) < 128 ? qRgba(0, 0, 0, 255) : qRgba(0, 0, 0, 0);
    ink.setColorTable(colours);
    return ink.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Black from first up to last, four pixels a store where it can.
void fillBlack(QRgb* first, QRgb* last) {
#if defined(__SSE2__)
    const __m128i black = _mm_set1_epi32(int(qRgb(0, 0, 0)));
    for (; last - first >= 4; first += 4)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(first), black);
#endif
    std::fill(first, last, qRgb(0, 0, 0));
}

} // namespace

void InkPicture::findRuns(const QImage& picture, const QSize& size) {
    // Stretched by the painter as it would stretch it on the canvas, so that
    // the kept dots are the ones it would draw.
    QImage stretched(size, QImage::Format_ARGB32_Premultiplied);
    stretched.fill(Qt::transparent);
    QPainter(&stretched).drawImage(QRect(QPoint(0, 0), size), inkOf(picture));
    runs_.clear();
    rowStarts_.assign(1, 0);
    for (int y = 0; y < size.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(stretched.constScanLine(y));
        for (int x = 0; x < size.width();) {
            if (qAlpha(line[x]) == 0) {
                ++x;
                continue;
            }
            const int left = x;
            while (x < size.width() && qAlpha(line[x]) != 0)
                ++x;
            runs_.push_back({left, x});
        }
        rowStarts_.push_back(int(runs_.size()));
    }
    pictureKey_ = picture.cacheKey();
}

bool InkPicture::keep(const QRect& target, const QImage& picture) {
    if (qint64(target.width()) * target.height() > MaxKeptPixels)
        return false;
    if (picture.cacheKey() != pictureKey_ || target.size() != target_.size())
        findRuns(picture, target.size());
    target_ = target;
    return true;
}

void InkPicture::fill(QImage& pixels, const QRect& clip) const {
    const QPoint origin = target_.topLeft();
    const QRect rows = target_ & clip;
    const qsizetype stride = pixels.bytesPerLine();
    uchar* bits = pixels.bits();
    for (int y = rows.top(); y <= rows.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(bits + y * stride);
        const int row = y - origin.y();
        for (int r = rowStarts_[size_t(row)]; r < rowStarts_[size_t(row) + 1]; ++r) {
            const int left = std::max(origin.x() + runs_[size_t(r)].left, rows.left());
            const int right = std::min(origin.x() + runs_[size_t(r)].right, rows.right() + 1);
            if (left < right)
                fillBlack(line + left, line + right);
        }
    }
}

void InkPicture::paint(QPainter& painter, const QRect& target, const QImage& picture) {
    if (picture.isNull() || target.isEmpty())
        return;
    QRect clip;
    QImage* pixels = pixelsUnder(painter, clip);
    if (pixels && keep(target, picture)) {
        fill(*pixels, clip);
        return;
    }
    const auto mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(target, inkOf(picture));
    painter.setCompositionMode(mode);
}

QImage* InkPicture::pixelsUnder(QPainter& painter, QRect& clip) {
    auto* image = dynamic_cast<QImage*>(painter.device());
    // A shared bitmap would be copied on writing, away from the painter.
    if (!image || !image->isDetached() || !painter.deviceTransform().isIdentity())
        return nullptr;
    const QImage::Format format = image->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        return nullptr;
    clip = image->rect();
    if (painter.hasClipping()) {
        const QRegion region = painter.clipRegion();
        if (region.rectCount() > 1)
            return nullptr;
        clip &= region.boundingRect();
    }
    return image;
}
