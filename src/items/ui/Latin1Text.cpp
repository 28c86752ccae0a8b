#include "items/ui/Latin1Text.h"

#include <QList>

namespace Latin1Text {

QString firstForeignCharacter(const QString& text) {
    // By code point, so that a character beyond the basic plane is named
    // whole rather than by half of its surrogate pair.
    const QList<uint> codePoints = text.toUcs4();
    for (const uint c : codePoints)
        if (c > 0xFF)
            return QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
    return {};
}

std::string toBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

QString fromBytes(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

} // namespace Latin1Text
