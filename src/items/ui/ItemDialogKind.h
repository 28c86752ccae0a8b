#pragma once

#include <cstdint>
#include <memory>

class Messages;
class Prompter;
class QWidget;
class FontSet;
class DataStore;
class ItemPropertiesDialog;

// The widget half of an item kind's entry (ItemKind is the other): the
// property dialog that edits its items. Each kind defines
// <name>DialogKind() beside its dialog; ItemDialogKinds.h gives them all.
struct ItemDialogKind {
    uint8_t typeCode = 0;
    std::unique_ptr<ItemPropertiesDialog> (*makeDialog)(Prompter& prompter, DataStore& data,
                                                        FontSet& fonts, const Messages& messages,
                                                        QWidget* parent) = nullptr;
};
