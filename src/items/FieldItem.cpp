#include "items/FieldItem.h"

#include "document/ItemTypeNames.h"
#include "persist/StreamHelpers.h"

#include <algorithm>

void FieldItem::load(ByteStream& s, const ClassRegistry& registry) {
    ImageItem::load(s, registry);
    Text = readString(s);
    MaxChars = readLong(s);
    FontBased = true;
}

void FieldItem::store(ByteStream& s, const ClassRegistry& registry) const {
    ImageItem::store(s, registry);
    writeString(s, Text);
    writeLong(s, MaxChars);
}

void FieldItem::initDefaults(int32_t currentFontNumber) {
    ImageItem::initDefaults(currentFontNumber);
    MaxChars = 1;
}

QString FieldItem::getKindName(const ItemTypeNames& names) const {
    return names.TextItemType;
}

void FieldItem::draw(DotCanvas& view) {
    ImageItem::draw(view);
    drawAnchoredText(view, Text);
}

EdgeRect FieldItem::getScreenRect(DotCanvas& view) {
    return anchoredTextRect(view, Text);
}

void FieldItem::compileRecord(std::vector<uint8_t>& record, const CompileContext& context) const {
    if (!context.knownModel())
        return;
    ImageItem::compileRecord(record, context);
    // As for the text item: more than the byte holds is sent as the most it
    // holds, not as its low byte.
    record.push_back(uint8_t(std::clamp(MaxChars, 0, MaxCharsLimit)));
}
