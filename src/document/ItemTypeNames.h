#pragma once

#include "texts/TextTable.h"

#include <QString>

#include <vector>

class IniFile;

// The captions of the item kinds, shown in the image's item list, keyed in
// section "ItemTypeNames" of the settings file. Each member starts with its
// built-in English text; load() replaces it by the chosen language's text.
class ItemTypeNames {
public:
    static inline const QString Section = QStringLiteral("ItemTypeNames");

    // In caption-index order.
    QString TextItemType = QStringLiteral("Text");
    QString NumberItemType = QStringLiteral("Numeric");
    QString DateItemType = QStringLiteral("Date");
    QString TimeItemType = QStringLiteral("Time");
    QString ShiftItemType = QStringLiteral("Shift");
    QString MultilineItemType = QStringLiteral("Multiline");
    QString GraphicItemType = QStringLiteral("Graphic");
    QString EAN8ItemType = QStringLiteral("EAN8");
    QString EAN13temType = QStringLiteral("EAN13");
    QString EAN128ItemType = QStringLiteral("EAN128");
    QString Code128ItemType = QStringLiteral("Code 128");
    QString Code39ItemType = QStringLiteral("Code 39");
    QString ITFItemType = QStringLiteral("ITF");
    QString UPCAItemType = QStringLiteral("UPC-A");
    QString UPCEItemType = QStringLiteral("UPC-E");

    static constexpr int Count = 15;

    // The caption of index 0 .. 14; empty for any other index.
    QString caption(int index) const;

    // Reads every key, each with the current text as default; nothing
    // happens for a null (absent) settings file.
    void load(const IniFile* settings);
    std::vector<KeyedText> texts() const;
};
