#pragma once

#include "barcode/BarcodeData.h"
#include "document/ImageItem.h"

#include <QImage>

#include <memory>
#include <tuple>

// A barcode of any symbology. The item is a shell around its data, which
// holds the position (without the margin), the value and every setting of
// the symbol, and is what the image file stores; the item keeps the symbol
// rendered from the data (one pixel a dot), drawn stretched like a picture.
//
// The editor sets Rotation and Justification on the item; the item keeps
// the data's rotation in step (the symbol is rendered turned) and gives the
// data its justification when it is stored.
class BarcodeItem : public Persistent<BarcodeItem, ImageItem> {
public:
    static constexpr auto RecordName = "BarcodeItem";
    static constexpr uint8_t TypeCode = 0x40;
    // The symbology of a newly placed barcode.
    static constexpr Symbology NewSymbology = Symbology::Ean13;

    BarcodeItem();
    BarcodeItem(const BarcodeItem& other);
    BarcodeItem& operator=(const BarcodeItem& other);
    ~BarcodeItem() override;

    const BarcodeData& data() const { return *Data; }
    // Takes data in place of the item's own, keeping the item's position,
    // rotation and justification, and renders the symbol again.
    void takeData(std::unique_ptr<BarcodeData> data);
    // The data to change in place; render() then has the change drawn.
    BarcodeData& editData() { return *Data; }
    // The symbol is drawn again when it is next asked for: loading, copying
    // and compiling never draw, so they need no fonts (and no GUI
    // application, as the command line's dump and build have none).
    void render();
    const QImage& symbol() const;

    // The record is the class name and the data's bytes, nothing else.
    void load(ByteStream& s, const ClassRegistry& registry) override;
    void store(ByteStream& s, const ClassRegistry& registry) const override;
    // Order compares only the placement; equality also the data.
    auto comparedFields() const { return std::tuple<>(); }
    bool isEqual(const PersistentObject& other) const override;

    uint8_t getTypeCode() const override { return TypeCode; }
    // The caption of the item's symbology.
    QString getKindName(const ItemTypeNames& names) const override;
    static QString symbologyCaption(Symbology kind, const ItemTypeNames& names);
    // The value; for GS1-128 the line printed under the bars (identifiers
    // in brackets), not the value's function-1 bytes.
    std::string getDataText() const override;

    // The data's position is without the margin and never below 0 (a value
    // below 1 stores 0); the item's, as every item's, with it.
    int32_t getX() const override { return Data->X + Margin; }
    int32_t getY() const override { return Data->Y + Margin; }
    void setX(int32_t x) override;
    void setY(int32_t y) override;
    int32_t getWidth() const override { return symbol().width(); }
    int32_t getHeight() const override { return symbol().height(); }
    void setRotation(uint8_t rotation) override;

    void justify(DotCanvas& view, const std::string& text) override;
    void draw(DotCanvas& view) override;
    const QImage* drawnPicture() override { return &symbol(); }
    EdgeRect getScreenRect(DotCanvas& view) override;

    bool holdsUnprintableValue() const override;
    QString unprintableValueProblem(const Messages& messages) const override;

protected:
    void initDefaults(int32_t currentFontNumber) override;
    // The 8-byte header (type code, 0, X and Y without the margin, rotation,
    // symbology), then the symbology's part.
    void compileRecord(std::vector<uint8_t>& record, const CompileContext& context) const override;

private:
    // The data with the item's justification, as it is stored.
    std::unique_ptr<BarcodeData> placedData() const;
    void adoptPlacement();

    std::unique_ptr<BarcodeData> Data;
    mutable QImage Bitmap;
    mutable bool BitmapCurrent = false;
};
