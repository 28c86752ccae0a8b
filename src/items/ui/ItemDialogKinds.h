#pragma once

#include "items/ItemKindList.h"
#include "items/ui/ItemDialogKind.h"

#include <span>

#define TOLVANE_DECLARE_ITEM_DIALOG_KIND(name) const ItemDialogKind& name##DialogKind();
TOLVANE_ITEM_KINDS(TOLVANE_DECLARE_ITEM_DIALOG_KIND)
#undef TOLVANE_DECLARE_ITEM_DIALOG_KIND

// The dialog half of every kind of the list, in its order.
std::span<const ItemDialogKind* const> itemDialogKinds();
