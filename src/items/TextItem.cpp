#include "items/TextItem.h"

#include "document/ItemTypeNames.h"
#include "persist/StreamHelpers.h"

#include <algorithm>

void TextItem::load(ByteStream& s, const ClassRegistry& registry) {
    ImageItem::load(s, registry);
    Text = readString(s);
    OperatorRequest = readFlag(s);
    Prompt = readString(s);
    MaxChars = readLong(s);
    FontBased = true;
}

void TextItem::store(ByteStream& s, const ClassRegistry& registry) const {
    ImageItem::store(s, registry);
    writeString(s, Text);
    writeFlag(s, OperatorRequest);
    writeString(s, Prompt);
    writeLong(s, MaxChars);
}

QString TextItem::getKindName(const ItemTypeNames& names) const {
    return names.TextItemType;
}

void TextItem::draw(DotCanvas& view) {
    ImageItem::draw(view);
    drawAnchoredText(view, Text);
}

EdgeRect TextItem::getScreenRect(DotCanvas& view) {
    return anchoredTextRect(view, Text);
}

void TextItem::compileRecord(std::vector<uint8_t>& record, const CompileContext& context) const {
    if (!context.knownModel())
        return;
    ImageItem::compileRecord(record, context);
    record.insert(record.end(), Text.begin(), Text.end());
    record.push_back(0x00);
    record.push_back(OperatorRequest ? 1 : 0);
    if (Prompt.empty()) {
        record.push_back(0x00);
    } else {
        record.push_back(0x20);
        record.insert(record.end(), Prompt.begin(), Prompt.end());
    }
    record.push_back(0x00);
    // More than the byte holds would reach the handheld as its low byte
    // (300 as 44); the most it can carry is the nearest the item can have.
    record.push_back(uint8_t(std::clamp(MaxChars, 0, MaxCharsLimit)));
}

bool TextItem::holdsFieldEnd() const {
    return Text.find('\0') != std::string::npos || Prompt.find('\0') != std::string::npos;
}
