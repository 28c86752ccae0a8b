#include "items/ShiftCodeItem.h"

#include "document/ItemTypeNames.h"
#include "printer/DotCanvas.h"

void ShiftCodeItem::load(ByteStream& s, const ClassRegistry& registry) {
    ImageItem::load(s, registry);
    FontBased = true;
}

QString ShiftCodeItem::getKindName(const ItemTypeNames& names) const {
    return names.ShiftItemType;
}

void ShiftCodeItem::draw(DotCanvas& view) {
    ImageItem::draw(view);
    const ItemCalendar& calendar = view.calendar();
    shownCode_ = calendar.shiftCodeAt(calendar.now());
    drawAnchoredText(view, shownCode_);
}

EdgeRect ShiftCodeItem::getScreenRect(DotCanvas& view) {
    return anchoredTextRect(view, shownCode_);
}
