#pragma once

#include "texts/TextTable.h"

#include <QString>

#include <vector>

class IniFile;
class ImageItem;
class ItemTypeNames;

// The names of the steps in the undo history, as Edit's Undo and Redo
// entries show them ("Undo Move text item"), keyed in the main window's
// section "MainForm" of the settings file. "%1" stands for the item kind's
// name. Each member starts with its built-in English text; load() replaces
// it by the chosen language's text.
class EditStepNames {
public:
    QString UndoPlace = QStringLiteral("Place %1 item");
    QString UndoMove = QStringLiteral("Move %1 item");
    QString UndoProperties = QStringLiteral("Change properties");
    QString UndoCut = QStringLiteral("Cut %1 item");
    QString UndoDelete = QStringLiteral("Delete %1 item");
    QString UndoPaste = QStringLiteral("Paste %1 item");
    QString UndoJustify = QStringLiteral("Justify %1 item");
    QString UndoFont = QStringLiteral("Change font of %1 item");
    QString UndoArea = QStringLiteral("Change restricted area");

    // Nothing happens for a null (absent) settings file.
    void load(const IniFile* settings);
    std::vector<KeyedText> texts() const;

    // A step's name for an item: the kind's name in place of "%1". Inside a
    // sentence an ordinary word is written in lower case ("Move text item");
    // at the start, and for a name such as "EAN8" or "UPC-A", it stays as the
    // kind list writes it.
    static QString forItem(const QString& step, const QString& kindName);
};
