#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

// The one-bit pictures of graphic items: Format_Mono images whose colour
// index 1 is a dot the handheld prints and index 0 white. Being QImages,
// copies share their bits until one of them changes.
namespace MonoBitmap {

// A width × height bitmap without dots; a null image when either is 0.
QImage blank(int width, int height);
bool isDot(const QImage& dots, int x, int y);
void setDot(QImage& dots, int x, int y);

// Every pixel that is not white becomes a dot; a transparent pixel is white.
QImage fromNotWhite(const QImage& picture);
// The default threshold: pixels darker than mid grey become dots.
constexpr int DefaultThreshold = 128;
// Every pixel whose grey, laid over white, is below threshold (1..255)
// becomes a dot; white paper never does.
QImage fromThreshold(const QImage& picture, int threshold);

// The bitmap stretched (or shrunk) to width × height, each new dot taking
// the dot it falls on; the same bitmap, shared, when the size is its own.
QImage stretched(const QImage& dots, int width, int height);
// Turned counter-clockwise by quarterTurns (taken modulo 4).
QImage turned(const QImage& dots, int quarterTurns);

// Rows top to bottom, dots left to right, 8 to a byte from the most
// significant bit, rows continuing in the byte where the one before ended,
// the last byte filled with 0 bits.
std::vector<uint8_t> packed(const QImage& dots);
// The bytes packed of a width × height bitmap: ceil(width × height / 8).
int64_t packedSize(int width, int height);
QImage unpacked(const uint8_t* bytes, int width, int height);

} // namespace MonoBitmap
