#include "printer/InkPicture.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

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

// Black from first up to last, four pixels a store where it can; the last
// four of a run of four or more are one store, overlapping the one before.
inline void blacken(QRgb* first, QRgb* last) {
    constexpr QRgb Black = qRgb(0, 0, 0);
#if defined(__SSE2__)
    if (last - first >= 4) {
        const __m128i four = _mm_set1_epi32(int(Black));
        for (; last - first > 4; first += 4)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(first), four);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(last - 4), four);
        return;
    }
#endif
    std::fill(first, last, Black);
}

// White from first up to last. Every byte of white is 0xff, so the C
// library's fill does it, with the widest stores the processor has.
void whiten(QRgb* first, QRgb* last) {
    static_assert(qRgb(255, 255, 255) == 0xffffffff);
    if (first < last)
        std::memset(first, 0xff, size_t(last - first) * sizeof(QRgb));
}

} // namespace

bool InkPicture::findRuns(const QImage& ink) {
    runs_.clear();
    rowStarts_.assign(1, 0);
    const int width = ink.width();
    for (int y = 0; y < ink.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(ink.constScanLine(y));
        for (int x = 0; x < width;) {
            if (qAlpha(line[x]) == 0) {
                ++x;
                continue;
            }
            const int left = x;
            for (; x < width && qAlpha(line[x]) != 0; ++x)
                if (qAlpha(line[x]) != 255)
                    return false;
            runs_.push_back({left, x});
        }
        rowStarts_.push_back(int(runs_.size()));
    }
    return true;
}

bool InkPicture::keep(const QRect& target, const QImage& picture) {
    if (qint64(target.width()) * target.height() > MaxKeptPixels)
        return false;
    if (picture.cacheKey() != pictureKey_ || target.size() != target_.size()) {
        // Stretched by the painter as it would stretch it on the canvas, so
        // that the kept dots are the ones it would draw: each one opaque or
        // transparent.
        QImage stretched(target.size(), QImage::Format_ARGB32_Premultiplied);
        stretched.fill(Qt::transparent);
        QPainter(&stretched).drawImage(stretched.rect(), inkOf(picture));
        findRuns(stretched);
        pictureKey_ = picture.cacheKey();
    }
    target_ = target;
    return true;
}

bool InkPicture::keepOpaque(const QImage& ink) {
    pictureKey_ = 0;
    target_ = ink.rect();
    if (ink.format() == QImage::Format_ARGB32_Premultiplied && findRuns(ink))
        return true;
    target_ = QRect();
    runs_.clear();
    rowStarts_.assign(1, 0);
    return false;
}

void InkPicture::blackenRow(QRgb* line, int row, int x0, int left, int right) const {
    // Kept in locals: the stores into line could otherwise be the vector's.
    const Run* run = runs_.data() + rowStarts_[size_t(row)];
    const Run* const end = runs_.data() + rowStarts_[size_t(row) + 1];
    for (; run != end; ++run) {
        const int from = std::max(x0 + run->left, left);
        const int to = std::min(x0 + run->right, right + 1);
        if (from < to)
            blacken(line + from, line + to);
    }
}

void InkPicture::fill(QImage& pixels, QPoint topLeft, const QRect& clip) const {
    const QRect area = QRect(topLeft, target_.size()) & clip;
    const qsizetype stride = pixels.bytesPerLine();
    uchar* bits = pixels.bits();
    for (int y = area.top(); y <= area.bottom(); ++y)
        blackenRow(reinterpret_cast<QRgb*>(bits + y * stride), y - topLeft.y(), topLeft.x(),
                   area.left(), area.right());
}

void InkPicture::fillOnWhite(QImage& pixels, const QRect& clip,
                             std::vector<const InkPicture*> inks) {
    // Row by row, from left to right, each picture's black is written
    // straight after the white under it, while those pixels are still in the
    // first-level cache. Where pictures overlap, only what lies right of the
    // pixels already written is whitened.
    std::erase_if(inks, [&](const InkPicture* ink) { return !ink->target_.intersects(clip); });
    std::sort(inks.begin(), inks.end(), [](const InkPicture* a, const InkPicture* b) {
        return a->target_.left() < b->target_.left();
    });
    const qsizetype stride = pixels.bytesPerLine();
    uchar* bits = pixels.bits();
    for (int y = clip.top(); y <= clip.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(bits + y * stride);
        int x = clip.left();
        for (const InkPicture* ink : inks) {
            const QRect& target = ink->target_;
            if (y < target.top() || y > target.bottom())
                continue;
            const int right = std::min(target.right(), clip.right());
            whiten(line + x, line + right + 1);
            x = std::max(x, right + 1);
            ink->blackenRow(line, y - target.top(), target.left(),
                            std::max(target.left(), clip.left()), right);
        }
        whiten(line + x, line + clip.right() + 1);
    }
}

void InkPicture::paint(QPainter& painter, const QRect& target, const QImage& picture) {
    if (picture.isNull() || target.isEmpty())
        return;
    QRect clip;
    QImage* pixels = pixelsUnder(painter, clip);
    if (pixels && keep(target, picture)) {
        fill(*pixels, target.topLeft(), clip);
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
    if (!image || !image->isDetached() || !painter.deviceTransform().isIdentity() ||
        painter.opacity() < 1.0)
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
