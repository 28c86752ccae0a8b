#include "items/MonoBitmap.h"

#include <QColor>

#include <utility>

namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;

// The picture's pixel laid over white paper, as a grey of 0..255.
int greyOnWhite(QRgb pixel) {
    const int alpha = qAlpha(pixel);
    return (qGray(pixel) * alpha + 255 * (255 - alpha)) / 255;
}

template <class IsDot> QImage dotsWhere(const QImage& picture, IsDot isDot) {
    if (picture.isNull())
        return {};
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32);
    QImage dots = MonoBitmap::blank(pixels.width(), pixels.height());
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            if (isDot(line[x]))
                MonoBitmap::setDot(dots, x, y);
    }
    return dots;
}

} // namespace

namespace MonoBitmap {

QImage blank(int width, int height) {
    if (width <= 0 || height <= 0)
        return {};
    QImage dots(width, height, QImage::Format_Mono);
    dots.setColorTable({White, Black});
    dots.fill(0);
    return dots;
}

bool isDot(const QImage& dots, int x, int y) {
    return (dots.constScanLine(y)[x >> 3] & (0x80 >> (x & 7))) != 0;
}

void setDot(QImage& dots, int x, int y) {
    dots.scanLine(y)[x >> 3] |= uchar(0x80 >> (x & 7));
}

QImage fromNotWhite(const QImage& picture) {
    return dotsWhere(picture, [](QRgb pixel) {
        return qAlpha(pixel) != 0 && (pixel & 0xFFFFFF) != (White & 0xFFFFFF);
    });
}

QImage fromThreshold(const QImage& picture, int threshold) {
    return dotsWhere(picture, [threshold](QRgb pixel) { return greyOnWhite(pixel) < threshold; });
}

QImage stretched(const QImage& dots, int width, int height) {
    if (dots.isNull() || width <= 0 || height <= 0)
        return blank(width, height);
    if (dots.width() == width && dots.height() == height)
        return dots;
    QImage result = blank(width, height);
    const int64_t w0 = dots.width();
    const int64_t h0 = dots.height();
    for (int y = 0; y < height; ++y) {
        const int from = int(y * h0 / height);
        for (int x = 0; x < width; ++x)
            if (isDot(dots, int(x * w0 / width), from))
                setDot(result, x, y);
    }
    return result;
}

QImage turned(const QImage& dots, int quarterTurns) {
    const int turns = quarterTurns & 3;
    if (turns == 0 || dots.isNull())
        return dots;
    const int w = dots.width();
    const int h = dots.height();
    QImage result = turns == 2 ? blank(w, h) : blank(h, w);
    for (int y = 0; y < result.height(); ++y)
        for (int x = 0; x < result.width(); ++x) {
            const auto [fromX, fromY] = turns == 1   ? std::pair(w - 1 - y, x)
                                        : turns == 2 ? std::pair(w - 1 - x, h - 1 - y)
                                                     : std::pair(y, h - 1 - x);
            if (isDot(dots, fromX, fromY))
                setDot(result, x, y);
        }
    return result;
}

int64_t packedSize(int width, int height) {
    if (width <= 0 || height <= 0)
        return 0;
    return (int64_t(width) * height + 7) / 8;
}

std::vector<uint8_t> packed(const QImage& dots) {
    std::vector<uint8_t> bytes(size_t(packedSize(dots.width(), dots.height())), 0);
    int64_t bit = 0;
    for (int y = 0; y < dots.height(); ++y)
        for (int x = 0; x < dots.width(); ++x, ++bit)
            if (isDot(dots, x, y))
                bytes[size_t(bit >> 3)] |= uint8_t(0x80 >> (bit & 7));
    return bytes;
}

QImage unpacked(const uint8_t* bytes, int width, int height) {
    QImage dots = blank(width, height);
    int64_t bit = 0;
    for (int y = 0; y < dots.height(); ++y)
        for (int x = 0; x < dots.width(); ++x, ++bit)
            if (bytes[bit >> 3] & (0x80 >> (bit & 7)))
                setDot(dots, x, y);
    return dots;
}

} // namespace MonoBitmap
