#pragma once

#include "items/TemporalItem.h"

// The one-character code of the work shift running when the handheld prints,
// from the image's shift table. The item has nothing of its own besides the
// placement; the designer shows the code of the moment it draws.
class ShiftCodeItem : public Persistent<ShiftCodeItem, TemporalItem> {
public:
    static constexpr auto RecordName = "ShiftcodeItem";
    static constexpr uint8_t TypeCode = 0x10;

    ShiftCodeItem() = default;

    void load(ByteStream& s, const ClassRegistry& registry) override;

    uint8_t getTypeCode() const override { return TypeCode; }
    QString getKindName(const ItemTypeNames& names) const override;

    void draw(DotCanvas& view) override;
    EdgeRect getScreenRect(DotCanvas& view) override;

private:
    // The code shown by the latest drawing, which the screen rectangle
    // measures.
    std::string shownCode_;
};
