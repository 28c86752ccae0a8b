#pragma once

#include <QString>

#include <string>
#include <string_view>

// The handheld, image files and settings files carry 8-bit Western "ANSI"
// text (Windows code page 1252): Latin-1 plus the euro sign, curly quotes,
// dashes, the ellipsis and a few letters in 0x80..0x9F. The five bytes that
// code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1
// control characters of the same value, so every byte string decodes and
// encodes back unchanged.
namespace Windows1252 {

QString decode(std::string_view bytes);

// The first character of text that has no Windows-1252 byte (named whole,
// also beyond the basic plane); empty when every character has one.
QString firstUnencodable(const QString& text);

// The bytes of text; a character without a byte becomes '?'. Check with
// firstUnencodable first where that would lose what the user typed.
std::string encode(const QString& text);

} // namespace Windows1252
