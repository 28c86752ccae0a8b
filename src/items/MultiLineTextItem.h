#pragma once

#include "document/ImageItem.h"

#include <string>
#include <tuple>
#include <vector>

// A block of fixed lines of text in one printer font, inside a rectangular
// text window. The window's size follows the text: the widest line, and the
// lines' heights with an adjustable gap between them.
//
// WindowWidth and WindowHeight are the window's extent across and down the
// image, whatever the rotation: a turned block swaps what makes them up.
class MultiLineTextItem : public Persistent<MultiLineTextItem, ImageItem> {
public:
    static constexpr auto RecordName = "RTextItem";
    static constexpr uint8_t TypeCode = 0x80;
    // The pair that ends each line but the last in Text.
    static constexpr auto LineBreak = "\r\n";

    int32_t WindowWidth = 0;  // dots
    int32_t WindowHeight = 0; // dots
    int32_t LineGap = 0;      // extra dots between lines; may be negative
    std::string Text;
    // Neither is stored. A loaded block is sized and outlined as a new one
    // is: the property dialog gives no way to turn either off for good.
    bool AutoSize = true;    // the window follows the text when drawn
    bool ShowOutline = true; // the window is framed on screen

    MultiLineTextItem() = default;

    void load(ByteStream& s, const ClassRegistry& registry) override;
    void store(ByteStream& s, const ClassRegistry& registry) const override;
    auto comparedFields() const { return std::tie(Text); }

    uint8_t getTypeCode() const override { return TypeCode; }
    QString getKindName(const ItemTypeNames& names) const override;
    std::string getDataText() const override { return Text; }
    // The lines of Text, without their line breaks.
    std::vector<std::string> lines() const;

    // Sizes the window to the text as the view draws it, then justifies it.
    void computeWindowSize(DotCanvas& view);
    // Puts the window, not a band of capitals, at the justified edge.
    void justify(DotCanvas& view, const std::string& text) override;
    void draw(DotCanvas& view) override;
    EdgeRect getScreenRect(DotCanvas& view) override;
    // One row per line: "item.line", the caption, the line.
    void addToListView(int index, std::vector<ListViewRow>& rows,
                       const ItemTypeNames& names) const override;
    // The record ends the text with a 0 byte.
    bool holdsFieldEnd() const override;

protected:
    void initDefaults(int32_t currentFontNumber) override;
    // After the header: the window's width and height (two bytes each, low
    // byte first), the gap's low byte, the text with its line breaks, 0.
    void compileRecord(std::vector<uint8_t>& record, const CompileContext& context) const override;

private:
    // Pixels from one line's cell to the next: the cell and the scaled gap,
    // a gap never taking back more than a whole cell.
    int lineAdvance(const DotCanvas& view) const;
    // The window in screen pixels: along the text and across its lines.
    int windowAlong(const DotCanvas& view) const;
    int windowAcross(const DotCanvas& view) const;
    // The window's rectangle at the anchor, before the restricted area cuts it.
    EdgeRect windowRect(const DotCanvas& view) const;
};
