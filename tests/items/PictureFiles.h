#pragma once

#include <QByteArray>
#include <QtEndian>

// Windows bitmap files made byte by byte, for the tests of loading pictures.

inline void put32(QByteArray& bytes, int at, quint32 value) {
    qToLittleEndian(value, bytes.data() + at);
}

// A Windows bitmap file: the headers, for one bit per pixel a palette of
// white and black, and rows bottom-up, each padded to 4 bytes. One bit per
// pixel: only the top row's first pixel is black; more bits: all 0xFF.
inline QByteArray windowsBitmap(int width, int height, int bitCount) {
    const int rowBytes = (width * bitCount + 31) / 32 * 4;
    const int paletteBytes = bitCount == 1 ? 8 : 0;
    const int offset = 54 + paletteBytes;
    QByteArray bytes(offset + rowBytes * height, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(bytes, 2, quint32(bytes.size()));
    put32(bytes, 10, quint32(offset));
    put32(bytes, 14, 40);
    put32(bytes, 18, quint32(width));
    put32(bytes, 22, quint32(height));
    bytes[26] = 1;
    bytes[28] = char(bitCount);
    if (bitCount == 1) {
        put32(bytes, 54, 0x00FFFFFF); // index 0 white
        put32(bytes, 58, 0x00000000); // index 1 black
        // Every pixel white but the top row's first.
        for (int y = 0; y < height; ++y)
            bytes[offset + y * rowBytes] = y == height - 1 ? char(0x80) : 0;
    } else {
        bytes.replace(offset, rowBytes * height, QByteArray(rowBytes * height, char(0xFF)));
    }
    return bytes;
}
