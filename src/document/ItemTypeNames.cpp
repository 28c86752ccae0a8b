#include "document/ItemTypeNames.h"

#include <array>

namespace {

#define CAPTION(name) TOLV_TEXT_ENTRY(ItemTypeNames, name)

const std::array kCaptions{
    CAPTION(TextItemType),    CAPTION(NumberItemType),  CAPTION(DateItemType),
    CAPTION(TimeItemType),    CAPTION(ShiftItemType),   CAPTION(MultilineItemType),
    CAPTION(GraphicItemType), CAPTION(EAN8ItemType),    CAPTION(EAN13temType),
    CAPTION(EAN128ItemType),  CAPTION(Code128ItemType), CAPTION(Code39ItemType),
    CAPTION(ITFItemType),     CAPTION(UPCAItemType),    CAPTION(UPCEItemType),
};

#undef CAPTION

static_assert(kCaptions.size() == ItemTypeNames::Count);

} // namespace

QString ItemTypeNames::caption(int index) const {
    return index >= 0 && index < Count ? this->*kCaptions[size_t(index)].member : QString();
}

void ItemTypeNames::load(const IniFile* settings) {
    loadTexts<ItemTypeNames>(*this, kCaptions, settings, Section);
}

std::vector<KeyedText> ItemTypeNames::texts() const {
    return keyedTexts<ItemTypeNames>(*this, kCaptions);
}
