#pragma once

#include "document/ImageItem.h"

#include <string>
#include <tuple>

// One line of fixed text in a printer font. As an operator request, the
// handheld asks its operator for the text at print time, showing Prompt and
// taking at most MaxChars characters; Text is then the proposal.
class TextItem : public Persistent<TextItem, ImageItem> {
public:
    static constexpr auto RecordName = "TextItem";
    static constexpr uint8_t TypeCode = 0x01;
    // The record carries MaxChars in one byte.
    static constexpr int32_t MaxCharsLimit = 255;

    bool OperatorRequest = false;
    std::string Prompt;
    int32_t MaxChars = 0;
    std::string Text;

    TextItem() = default;

    void load(ByteStream& s, const ClassRegistry& registry) override;
    void store(ByteStream& s, const ClassRegistry& registry) const override;
    // Besides the placement, items compare by their text and request flag.
    auto comparedFields() const { return std::tie(Text, OperatorRequest); }

    uint8_t getTypeCode() const override { return TypeCode; }
    QString getKindName(const ItemTypeNames& names) const override;
    std::string getDataText() const override { return Text; }

    void draw(DotCanvas& view) override;
    EdgeRect getScreenRect(DotCanvas& view) override;
    // The record ends the text and the prompt with a 0 byte.
    bool holdsFieldEnd() const override;

protected:
    // After the header: the text, 0, the request flag, the prompt (a space
    // before it) or a single 0, then 0 and MaxChars, at most 255.
    void compileRecord(std::vector<uint8_t>& record, const CompileContext& context) const override;
};
