#pragma once

// What the editor's and the items' dialogs share: named controls, texts and
// the position kept in the settings file.

#include <QString>
#include <QWidget>

class IniFile;
class Prompter;
class QLineEdit;

// Dialogs keep their screen position in the settings file, keys Left and Top
// of the section named by the dialog's object name. Without one (or with one
// off every screen) a dialog opens centred on its window.
void restoreDialogPosition(QWidget& dialog, const IniFile* settings);
// Writes the position back when the settings file exists.
void storeDialogPosition(const QWidget& dialog, Prompter* prompter);

// A text of a dialog's section in the settings file, with its built-in default.
QString dialogText(const IniFile* settings, const QString& section, const char* key,
                   const char* builtIn);

// Texts the handheld and the image file see are Windows-1252. When text (of
// field) holds a character without a byte there, shows message (its %1 the
// character) through the prompter, if any, puts the focus on field and
// answers true.
bool refusesForeignCharacter(const QString& text, QWidget& field, Prompter* prompter,
                             const QString& message);
bool refusesForeignCharacter(QLineEdit& edit, Prompter* prompter, const QString& message);

// A new control of the dialog, named as the texts and tests know it.
template <typename Widget> Widget* namedWidget(QWidget* parent, const char* name) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}
