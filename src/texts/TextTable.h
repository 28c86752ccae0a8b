#pragma once

#include "platform/IniFile.h"

#include <QString>

#include <span>
#include <vector>

// A user-interface text with the key it is looked up by.
struct KeyedText {
    QString key;
    QString text;
    bool operator==(const KeyedText&) const = default;
};

// One text of a table whose texts are named members of Owner; the key is the
// member's own name.
template <class Owner> struct TextEntry {
    const char* key;
    QString Owner::*member;
};

// Reads every key of the table, in table order, from one section of the
// settings file, each with the member's current text as default. A null
// file changes nothing.
template <class Owner>
void loadTexts(Owner& owner, std::span<const TextEntry<Owner>> table, const IniFile* settings,
               const QString& section) {
    if (!settings)
        return;
    for (const TextEntry<Owner>& e : table)
        owner.*e.member = settings->readString(section, QLatin1String(e.key), owner.*e.member);
}

// The table's current texts with their keys, in table order.
template <class Owner>
std::vector<KeyedText> keyedTexts(const Owner& owner, std::span<const TextEntry<Owner>> table) {
    std::vector<KeyedText> texts;
    texts.reserve(table.size());
    for (const TextEntry<Owner>& e : table)
        texts.push_back({QLatin1String(e.key), owner.*e.member});
    return texts;
}

// The text of a key, or a null string when the table has no such key.
template <class Owner>
QString textOf(const Owner& owner, std::span<const TextEntry<Owner>> table, const QString& key) {
    for (const TextEntry<Owner>& e : table) {
        if (key.compare(QLatin1String(e.key), Qt::CaseInsensitive) == 0)
            return owner.*e.member;
    }
    return {};
}

// Builds a table entry whose key is the member's name.
#define TOLV_TEXT_ENTRY(Owner, name)                                                               \
    TextEntry<Owner> {                                                                             \
#name, &Owner::name                                                                        \
    }
