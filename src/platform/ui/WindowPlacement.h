#pragma once

#include <QRect>

class IniFile;
class QString;
class QWidget;

// Where the program's windows open: within the screen, and the dialogs over
// the main window.

// A rectangle moved, and where it must be shrunk, to lie within bounds.
QRect keptWithin(QRect rect, const QRect& bounds);

// Puts a dialog where the settings file keeps it (Left and Top of its
// section) when that place lies on a screen. Otherwise the dialog is left
// unplaced, and opens centred on its parent window.
void restorePlace(QWidget& dialog, const IniFile* settings, const QString& section);
