#pragma once

#include "document/ImageItem.h"

#include <string>
#include <tuple>

// A field of MaxChars characters, labelled by Text, that the handheld fills
// in. Images may hold them and they work like any other item, but the user
// places none: there is no command that makes one.
class FieldItem : public Persistent<FieldItem, ImageItem> {
public:
    static constexpr auto RecordName = "fieldItem";
    static constexpr uint8_t TypeCode = 0x03;
    // The record carries MaxChars in one byte.
    static constexpr int32_t MaxCharsLimit = 255;

    std::string Text;
    int32_t MaxChars = 0;

    FieldItem() = default;

    void load(ByteStream& s, const ClassRegistry& registry) override;
    void store(ByteStream& s, const ClassRegistry& registry) const override;
    auto comparedFields() const { return std::tie(Text); }

    uint8_t getTypeCode() const override { return TypeCode; }
    // The kind has no caption of its own; its items are listed as text.
    QString getKindName(const ItemTypeNames& names) const override;
    std::string getDataText() const override { return Text; }

    // Drawn and measured as a text item with the field's text.
    void draw(DotCanvas& view) override;
    EdgeRect getScreenRect(DotCanvas& view) override;

protected:
    void initDefaults(int32_t currentFontNumber) override;
    // After the header: MaxChars in one byte, at most 255.
    void compileRecord(std::vector<uint8_t>& record, const CompileContext& context) const override;
};
