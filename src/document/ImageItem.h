#pragma once

#include "persist/Persistent.h"
#include "printer/EdgeRect.h"
#include "printer/InkPicture.h"
#include "printer/ItemCalendar.h"
#include "printer/ItemMetrics.h"

#include <QPoint>
#include <QString>

#include <array>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

class DownloadBuffer;
class QImage;
class ItemTypeNames;
class Messages;
class DotCanvas;
class FontSet;
struct RealizedFont;

// What compiling an item into its download record needs besides the item.
struct CompileContext {
    const FontSet& fonts;
    int modelIndex = 0; // the selected printer model
    // The moment of the download, for kinds whose record depends on it.
    const ItemCalendar& calendar = systemCalendar();

    // Records exist only for the three known models.
    bool knownModel() const { return modelIndex >= 0 && modelIndex <= 2; }
};

// One row of the image's item list view: position, kind caption, value.
struct ListViewRow {
    QString caption;
    QString kind;
    QString value;
    bool operator==(const ListViewRow&) const = default;
};

// One item of an image, placed on the grid of printer dots. The base of every
// kind: it owns what all kinds share (anchor, rotation, justification,
// printer font, size, the measured font metrics) and the operations through
// which the editor, the image file and the download compiler treat items
// alike.
//
// Positions in memory include the display's margin of 50 dots on each axis;
// files and download records hold position − 50.
//
// Objects made by the class registry when loading are blank (every field
// zero); Create makes a new item with the defaults of a freshly placed one.
class ImageItem : public Persistent<ImageItem, PersistentObject> {
public:
    static constexpr auto RecordName = "ImageItem";
    static constexpr int32_t Margin = 50;
    static constexpr uint8_t AllRotations = 0x0F; // bit i: rotation i may be chosen
    // The item record type codes; an item's typeIndex is its code's position.
    static constexpr std::array<uint8_t, 10> TypeCodes{0x01, 0x02, 0x04, 0x08, 0x10,
                                                       0x20, 0x40, 0x80, 0x03, 0x05};
    static constexpr uint8_t GraphicTypeCode = 0x20;
    // The position of a type code in TypeCodes; 0 for a code not in it.
    static int typeIndexOf(uint8_t typeCode);

    uint8_t AllowedRotations = 0;
    uint8_t Rotation = 0;      // quarter turns counter-clockwise, 0..3
    uint8_t Justification = 0; // none, left/top, centre/middle, right/bottom
    ItemMetrics Metrics;
    bool FontBased = false; // drawn with a printer font; area checks use its capitals
    int32_t FontNumber = 0;

    ImageItem() = default;

    // A rotation or justification outside 0..3, or a position no image can
    // hold, raises TolvError.
    void load(ByteStream& s, const ClassRegistry& registry) override;
    void store(ByteStream& s, const ClassRegistry& registry) const override;
    // Items compare by position, rotation and justification.
    auto comparedFields() const { return std::make_tuple(getX(), getY(), Rotation, Justification); }
    std::unique_ptr<ImageItem> cloneItem() const;

    // The virtual constructor: a new item of this item's kind, as placed by
    // the user, taking the font set's current font.
    std::unique_ptr<ImageItem> create(int32_t currentFontNumber) const;
    template <class Kind> static std::unique_ptr<Kind> createNew(int32_t currentFontNumber) {
        auto item = std::make_unique<Kind>();
        static_cast<ImageItem&>(*item).initDefaults(currentFontNumber);
        return item;
    }

    virtual int32_t getWidth() const { return Width; }
    virtual void setWidth(int32_t width) { Width = width; }
    virtual int32_t getHeight() const { return Height; }
    virtual void setHeight(int32_t height) { Height = height; }
    virtual int32_t getX() const { return X; }
    virtual int32_t getY() const { return Y; }
    virtual void setX(int32_t x) { X = x; }
    virtual void setY(int32_t y) { Y = y; }
    virtual QPoint getPosition() const { return {getX(), getY()}; }
    virtual void setPosition(QPoint p);
    // A new rotation chosen for the item; kinds whose picture turns with it
    // turn it here.
    virtual void setRotation(uint8_t rotation) { Rotation = rotation; }

    virtual uint8_t getTypeCode() const { return 0; }
    int typeIndex() const { return typeIndexOf(getTypeCode()); }
    // The kind's caption; a kind without one answers an empty text.
    virtual QString getKindName(const ItemTypeNames&) const { return {}; }
    // The value shown in the item list (bytes as stored).
    virtual std::string getDataText() const { return {}; }

    // Moves the item to the justified edge of the area: across the image on
    // the first model, down it on the others.
    virtual void justify(DotCanvas& view, const std::string& text);
    // The base selects the item's font into the canvas; kinds draw after it.
    virtual void draw(DotCanvas& view);
    // The picture that drawing the item justifies it and stretches over its
    // screen rectangle, and all it draws: a graphic's bitmap, a barcode's
    // symbol. Null for the kinds that draw otherwise.
    virtual const QImage* drawnPicture() { return nullptr; }
    // For a whole redraw: the item justified and its drawn picture's black
    // kept at its place on the screen, to be written into the bitmap at
    // once. Null when the kind has no drawn picture or it is too large to
    // keep; such an item is drawn as usual.
    const InkPicture* readyInk(DotCanvas& view);
    void erase(DotCanvas& view);
    void moveTo(DotCanvas& view, int32_t x, int32_t y);
    // Whether the dot (x, y) lies on the item's screen rectangle, edges included.
    bool hitTest(DotCanvas& view, int32_t x, int32_t y);
    // The base gives the anchor corner only; kinds complete the rectangle.
    virtual EdgeRect getScreenRect(DotCanvas& view);
    // Both invert what is below, so drawing either twice restores the picture.
    void drawHighlight(DotCanvas& view);
    void drawOutline(DotCanvas& view);
    // The screen rectangle narrowed, across the text, to the capitals' band:
    // what must lie inside the printable area for a font-based item.
    EdgeRect capitalInkBox(DotCanvas& view);

    // Whether a text the download record ends with a 0 byte holds a 0 byte
    // itself: the handheld would end the field there. Such an item cannot be
    // downloaded.
    virtual bool holdsFieldEnd() const { return false; }
    // Whether a setting the download record carries as a number is a text
    // that is no integer (possible only in an edited file). Such an item
    // cannot be downloaded.
    virtual bool holdsInvalidInteger() const { return false; }
    // Whether the item's value cannot be printed as it is (possible only in
    // an edited file), and why, in the user's language. Such an item cannot
    // be downloaded.
    virtual bool holdsUnprintableValue() const { return false; }
    virtual QString unprintableValueProblem(const Messages&) const { return {}; }
    // Puts what the record sends into the form the item keeps it in after a
    // download (the number item's empty step becomes "000000"); runs on
    // every item before the checks above and compiling.
    virtual void prepareDownload() {}
    // Appends the download record (nothing for an unknown model). The record
    // is appended whole or not at all.
    void compile(DownloadBuffer& buffer, const CompileContext& context) const;
    // Brings a time-dependent value up to date on the view.
    virtual void refresh(DotCanvas& view);
    virtual void addToListView(int index, std::vector<ListViewRow>& rows,
                               const ItemTypeNames& names) const;

protected:
    // Sets the defaults of a newly placed item; kinds extend it.
    virtual void initDefaults(int32_t currentFontNumber);
    // Kinds append their part after calling this, which writes the 7-byte
    // header: type code, font download code, X − 50, Y − 50, rotation.
    virtual void compileRecord(std::vector<uint8_t>& record, const CompileContext& context) const;

    // Realises the item's font for the view, sets it on the canvas and
    // measures its capitals again when what they were measured for changed.
    RealizedFont selectFont(DotCanvas& view);
    // Where the text cell starts: the anchor moved by InkBottom against the
    // direction the letters' tops point in.
    QPoint anchorCorner(const DotCanvas& view) const;
    // The text kinds draw and measure their text alike: one line per piece
    // between line feeds, anchored at the bottom of the capitals.
    void drawAnchoredText(DotCanvas& view, const std::string& text);
    EdgeRect anchoredTextRect(DotCanvas& view, const std::string& text);
    // The screen rectangle of a text cell at the anchor, along × across
    // pixels, cut at the restricted area as text is; the font selected.
    EdgeRect anchoredCellRect(const DotCanvas& view, int along, int across) const;

    // The picture kinds (graphic, barcode): a picture of width × height dots
    // whose top-left corner is the anchor. Justifying moves it to the
    // justified edge of the area along the model's justification axis;
    // drawing stretches it over its rectangle with AND, so its white dots
    // leave what is below as it was. The stretched dots are kept for the
    // next redraw at the same zoom.
    void justifyPicture(DotCanvas& view, int32_t width, int32_t height);
    EdgeRect pictureScreenRect(const DotCanvas& view, int32_t width, int32_t height) const;
    void drawPicture(DotCanvas& view);

    int32_t Width = 0;
    int32_t Height = 0;
    int32_t X = 0;
    int32_t Y = 0;

private:
    InkPicture pictureInk_;
};
