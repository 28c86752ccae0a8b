#include "platform/Windows1252.h"

#include <QList>

#include <array>

namespace Windows1252 {
namespace {

// Unicode code points of the bytes 0x80..0x9F; undefined bytes keep their value.
constexpr std::array<char16_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t toUnicode(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? HighControlRange[byte - 0x80] : char16_t(byte);
}

// The byte of a code point, or -1 when it has none.
int toByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return int(c);
    for (std::size_t i = 0; i < HighControlRange.size(); ++i)
        if (HighControlRange[i] == c)
            return int(0x80 + i);
    return -1;
}

} // namespace

QString decode(std::string_view bytes) {
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char b : bytes)
        *out++ = QChar(toUnicode(static_cast<unsigned char>(b)));
    return text;
}

QString firstUnencodable(const QString& text) {
    for (const char32_t c : text.toUcs4())
        if (toByte(c) < 0)
            return QString::fromUcs4(&c, 1);
    return {};
}

std::string encode(const QString& text) {
    std::string bytes;
    bytes.reserve(std::size_t(text.size()));
    for (const char32_t c : text.toUcs4()) {
        const int b = toByte(c);
        bytes.push_back(b < 0 ? '?' : char(b));
    }
    return bytes;
}

} // namespace Windows1252
