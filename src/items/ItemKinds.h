#pragma once

#include "items/ItemKind.h"
#include "items/ItemKindList.h"

#include <cstdint>
#include <span>

class ClassRegistry;

#define TOLVANE_DECLARE_ITEM_KIND(name) const ItemKind& name##Kind();
TOLVANE_ITEM_KINDS(TOLVANE_DECLARE_ITEM_KIND)
#undef TOLVANE_DECLARE_ITEM_KIND

// Every kind of the list, in its order.
std::span<const ItemKind* const> itemKinds();
// The kind of a type code; null for a code no kind has.
const ItemKind* findItemKind(uint8_t typeCode);
// The JSON form of the bare item and of every kind.
ItemJsonConverters itemJsonConverters();
