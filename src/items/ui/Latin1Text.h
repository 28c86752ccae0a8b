#pragma once

#include <QString>

#include <string>

// Items keep their texts as Latin-1 bytes, the character set of the printer.
// A dialog converts at its edge and refuses what has no byte, rather than
// silently changing it.
namespace Latin1Text {

// The first character of text that has no Latin-1 byte; empty when all have.
QString firstForeignCharacter(const QString& text);
// The bytes of text; only for a text without foreign characters.
std::string toBytes(const QString& text);
QString fromBytes(const std::string& bytes);

} // namespace Latin1Text
