#pragma once

#include <QChar>
#include <QString>

class QWidget;

// Access keys (Alt and a letter) for the entries of menus whose captions come
// from the language file. A caption keeps its text; only an '&' goes in
// before the character that becomes its key.
namespace AccessKeys {

// The key a caption marks with '&', in lower case; null when it marks none
// ("&&" is a plain ampersand).
QChar of(const QString& caption);

// Gives every entry of a menu bar or menu, and of the menus below it, a key
// of its own within its menu. The keys the captions mark themselves are kept
// first, wherever they are free; the others take their first free letter or
// digit, and where none is left, an earlier entry moves to another of its
// own to make room.
void assign(QWidget& menuBarOrMenu);

} // namespace AccessKeys
