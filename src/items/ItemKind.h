#pragma once

#include "document/ItemJson.h"

#include <QString>

#include <cstdint>
#include <memory>

class ImageItem;
class ItemCalendar;
class ItemTypeNames;
class Messages;

// The limit an image sets on placing items of a kind: graphics have a limit
// of their own, every other kind counts against the item limit.
enum class ItemLimitClass { Items, Graphics };

// One item kind as the program sees it beside its class: its record, its
// caption, its look in the tool bar, menus and item list, its JSON form and
// how to make its items. Each kind defines its entry in its own files; the
// list in ItemKindList.h names every kind once (ItemKinds.h gives them all).
// The widget half of a kind, its property dialog, is an ItemDialogKind.
struct ItemKind {
    uint8_t typeCode = 0;            // the first byte of its download record
    const char* recordName = "";     // the class name its file records carry
    int captionIndex = 0;            // its caption in ItemTypeNames
    const char* icon = "";           // the icon resource :/icons/<icon>.svg
    const char* actionKey = "";      // the main window's command that places one
    const char* hintKey = "";        // the hint of that command's tool button
    const char* listButtonName = ""; // its filter button in the item list dialog
    ItemLimitClass limitClass = ItemLimitClass::Items;
    // A blank item, every field zero or empty, as loading makes them.
    std::unique_ptr<ImageItem> (*makeBlank)() = nullptr;
    // An item with every stored field away from its blank value, for checks
    // that each field survives storing, copying and JSON.
    std::unique_ptr<ImageItem> (*makeSample)() = nullptr;
    ItemJsonConverter json;
    // Whether the image lets an item of the kind be placed now, asked before
    // the placing starts; when not, placingRefused is the message shown
    // instead. Null: always.
    bool (*mayPlace)(const ItemCalendar& calendar) = nullptr;
    QString Messages::*placingRefused = nullptr;

    QString caption(const ItemTypeNames& names) const;
    QString iconPath() const;
};
