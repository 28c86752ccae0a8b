#pragma once

#include "document/ImageItem.h"

#include <QImage>

#include <tuple>

// A monochrome picture, a logo or symbol the handheld prints dot for dot.
// Width and Height are its printed size in dots; Bitmap may have another
// pixel size and is stretched to Width × Height wherever it is drawn, stored
// or compiled. Bitmap is a MonoBitmap image, so copies of the item (the undo
// history's among them) share its bits.
class GraphicItem : public Persistent<GraphicItem, ImageItem> {
public:
    static constexpr auto RecordName = "GraphicItem";
    static constexpr uint8_t TypeCode = ImageItem::GraphicTypeCode;
    // The picture of a newly placed graphic, in dots each way.
    static constexpr int32_t NewSide = 100;
    // The download record carries each side in 16 bits.
    static constexpr int32_t MaxSide = 0xFFFF;

    QImage Bitmap;

    GraphicItem() = default;

    // A side outside 0 .. MaxSide, or fewer bytes left in the stream than
    // the dots need, raises TolvError (readDots).
    void load(ByteStream& s, const ClassRegistry& registry) override;
    void store(ByteStream& s, const ClassRegistry& registry) const override;
    // Order compares only the placement; equality also every dot.
    auto comparedFields() const { return std::tuple<>(); }
    bool isEqual(const PersistentObject& other) const override;

    uint8_t getTypeCode() const override { return TypeCode; }
    QString getKindName(const ItemTypeNames& names) const override;

    // Moves the picture to the justified edge of the area along the model's
    // justification axis.
    void justify(DotCanvas& view, const std::string& text) override;
    // Draws the picture stretched over its rectangle with AND, so its white
    // dots leave what is below as it was.
    void draw(DotCanvas& view) override;
    const QImage* drawnPicture() override { return &Bitmap; }
    EdgeRect getScreenRect(DotCanvas& view) override;
    // Turns the picture by the quarter turns between the old rotation and
    // the new one; an odd number of turns exchanges Width and Height.
    void setRotation(uint8_t rotation) override;

    // The picture at its printed size, one pixel a dot.
    QImage dots() const;
    // Takes a new picture at one pixel a dot, unturned.
    void takeBitmap(const QImage& dots);

    // The bytes a stored picture of width × height takes; TolvError for a
    // size no record may declare.
    static int64_t storedSize(int32_t width, int32_t height);
    // Reads the packed dots of a stored width × height picture; TolvError,
    // before anything is allocated, for a size no record may declare or one
    // that needs more bytes than the stream has left.
    static QImage readDots(ByteStream& s, int32_t width, int32_t height);

protected:
    void initDefaults(int32_t currentFontNumber) override;
    // After the header: width and height in 16 bits each, then the rows as
    // row groups of run lengths. A picture whose code would not fit in 64 KiB
    // raises TolvError and appends nothing.
    void compileRecord(std::vector<uint8_t>& record, const CompileContext& context) const override;
};
