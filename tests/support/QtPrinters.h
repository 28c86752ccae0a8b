#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <ostream>

// Readable failure messages for Qt's string types.
inline void printTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void printTo(const QStringList& l, std::ostream* os) {
    *os << '[' << l.join(QStringLiteral(", ")).toStdString() << ']';
}
inline void printTo(const QByteArray& b, std::ostream* os) {
    *os << '"' << b.toStdString() << "\" (" << b.toHex(' ').toStdString() << ')';
}
