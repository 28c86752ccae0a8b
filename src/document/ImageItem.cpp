#include "document/ImageItem.h"

#include "persist/DownloadBuffer.h"
#include "persist/StreamHelpers.h"
#include "platform/TolvError.h"
#include "platform/Windows1252.h"
#include "printer/FontSet.h"

#include <algorithm>
#include <cstdlib>
#include <typeinfo>

namespace {

// Far beyond any image; a damaged file must not place an item where the
// arithmetic of drawing it overflows.
constexpr int32_t MaxStoredPosition = 1000000;

uint8_t readQuarterValue(ByteStream& s, const char* what) {
    const int32_t value = readLong(s);
    if (value < 0 || value > 3)
        throw TolvError(std::string("Invalid ") + what + " " + std::to_string(value) +
                        " in item record");
    return uint8_t(value);
}

int32_t readPosition(ByteStream& s) {
    const int32_t stored = readLong(s);
    if (std::abs(int64_t(stored)) > MaxStoredPosition)
        throw TolvError("Invalid item position " + std::to_string(stored) + " in item record");
    return stored + ImageItem::Margin;
}

int32_t withoutMargin(int32_t position) {
    return int32_t(int64_t(position) - ImageItem::Margin);
}

} // namespace

int ImageItem::typeIndexOf(uint8_t typeCode) {
    const auto at = std::find(TypeCodes.begin(), TypeCodes.end(), typeCode);
    return at == TypeCodes.end() ? 0 : int(at - TypeCodes.begin());
}

void ImageItem::load(ByteStream& s, const ClassRegistry& registry) {
    PersistentObject::load(s, registry);
    const int32_t fontNumber = readLong(s);
    const int32_t x = readPosition(s);
    const int32_t y = readPosition(s);
    const int32_t width = readLong(s);
    const int32_t height = readLong(s);
    const uint8_t rotation = readQuarterValue(s, "rotation");
    const uint8_t justification = readQuarterValue(s, "justification");
    FontNumber = fontNumber;
    X = x;
    Y = y;
    Width = width;
    Height = height;
    Rotation = rotation;
    Justification = justification;
    AllowedRotations = AllRotations;
}

void ImageItem::store(ByteStream& s, const ClassRegistry& registry) const {
    PersistentObject::store(s, registry);
    writeLong(s, FontNumber);
    writeLong(s, withoutMargin(X));
    writeLong(s, withoutMargin(Y));
    writeLong(s, Width);
    writeLong(s, Height);
    writeLong(s, Rotation);
    writeLong(s, Justification);
}

std::unique_ptr<ImageItem> ImageItem::cloneItem() const {
    auto copy = clone();
    // Clone makes an object of this very class, so it is an item.
    return std::unique_ptr<ImageItem>(static_cast<ImageItem*>(copy.release()));
}

std::unique_ptr<ImageItem> ImageItem::create(int32_t currentFontNumber) const {
    auto made = newInstance();
    // A kind without its own newInstance would be created as a bare item.
    const PersistentObject& madeObject = *made;
    auto* item = dynamic_cast<ImageItem*>(made.get());
    if (!item || typeid(madeObject) != typeid(*this))
        throw TolvError(std::string("Class \"") + className() + "\" cannot make new items");
    made.release();
    std::unique_ptr<ImageItem> created(item);
    created->initDefaults(currentFontNumber);
    return created;
}

void ImageItem::initDefaults(int32_t currentFontNumber) {
    AllowedRotations = AllRotations;
    Rotation = 0;
    Justification = 0;
    FontBased = true;
    FontNumber = currentFontNumber;
}

void ImageItem::setPosition(QPoint p) {
    setX(p.x());
    setY(p.y());
}

void ImageItem::compile(DownloadBuffer& buffer, const CompileContext& context) const {
    std::vector<uint8_t> record;
    compileRecord(record, context);
    if (!record.empty())
        buffer.appendBytes(record.data(), int32_t(record.size()));
}

void ImageItem::compileRecord(std::vector<uint8_t>& record, const CompileContext& context) const {
    if (!context.knownModel())
        return;
    const auto x = uint16_t(withoutMargin(getX()));
    const auto y = uint16_t(withoutMargin(getY()));
    record.insert(record.end(), {getTypeCode(), uint8_t(context.fonts.downloadCodeOf(FontNumber)),
                                 uint8_t(x & 0xFF), uint8_t(x >> 8), uint8_t(y & 0xFF),
                                 uint8_t(y >> 8), Rotation});
}

void ImageItem::refresh(DotCanvas&) {}

void ImageItem::addToListView(int index, std::vector<ListViewRow>& rows,
                              const ItemTypeNames& names) const {
    rows.push_back(
        {QString::number(index), getKindName(names), Windows1252::decode(getDataText())});
}
