#include "items/ui/ItemDialogKinds.h"

#include <vector>

std::span<const ItemDialogKind* const> itemDialogKinds() {
#define TOLVANE_ITEM_DIALOG_KIND_ADDRESS(name) &name##DialogKind(),
    static const std::vector<const ItemDialogKind*> kinds{
        TOLVANE_ITEM_KINDS(TOLVANE_ITEM_DIALOG_KIND_ADDRESS)};
#undef TOLVANE_ITEM_DIALOG_KIND_ADDRESS
    return kinds;
}
