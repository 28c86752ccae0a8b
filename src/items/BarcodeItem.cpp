#include "items/BarcodeItem.h"

#include "barcode/BarcodeSymbol.h"
#include "document/ItemTypeNames.h"

namespace {

// The position the data keeps for an item position with the margin.
int32_t dataPosition(int32_t withMargin) {
    const int32_t position = withMargin - ImageItem::Margin;
    return position < 1 ? 0 : position;
}

} // namespace

BarcodeItem::BarcodeItem() : Data(BarcodeData::create(Symbology::Ean8, 0)) {
    AllowedRotations = BarcodeData::BothWays;
    render();
}

BarcodeItem::BarcodeItem(const BarcodeItem& other)
    : Persistent(other), Data(other.Data->clone()), Bitmap(other.Bitmap),
      BitmapCurrent(other.BitmapCurrent) {}

BarcodeItem& BarcodeItem::operator=(const BarcodeItem& other) {
    if (this != &other) {
        Persistent::operator=(other);
        Data = other.Data->clone();
        Bitmap = other.Bitmap;
        BitmapCurrent = other.BitmapCurrent;
    }
    return *this;
}

BarcodeItem::~BarcodeItem() = default;

void BarcodeItem::takeData(std::unique_ptr<BarcodeData> data) {
    data->X = Data->X;
    data->Y = Data->Y;
    Data = std::move(data);
    Data->Rotation = Rotation;
    Data->Justification = Justification;
    render();
}

void BarcodeItem::render() {
    BitmapCurrent = false;
}

const QImage& BarcodeItem::symbol() const {
    if (!BitmapCurrent) {
        Bitmap = renderSymbol(*Data);
        BitmapCurrent = true;
    }
    return Bitmap;
}

void BarcodeItem::adoptPlacement() {
    Rotation = Data->Rotation;
    Justification = Data->Justification;
    AllowedRotations = BarcodeData::BothWays;
    FontBased = false;
    render();
}

void BarcodeItem::load(ByteStream& s, const ClassRegistry&) {
    Data = BarcodeData::read(s);
    adoptPlacement();
}

void BarcodeItem::store(ByteStream& s, const ClassRegistry& registry) const {
    PersistentObject::store(s, registry);
    placedData()->store(s);
}

std::unique_ptr<BarcodeData> BarcodeItem::placedData() const {
    std::unique_ptr<BarcodeData> placed = Data->clone();
    placed->Rotation = Rotation;
    placed->Justification = Justification;
    return placed;
}

bool BarcodeItem::isEqual(const PersistentObject& other) const {
    if (!Persistent::isEqual(other))
        return false;
    const auto& that = static_cast<const BarcodeItem&>(other);
    return *placedData() == *that.placedData();
}

QString BarcodeItem::getKindName(const ItemTypeNames& names) const {
    return symbologyCaption(Data->Kind, names);
}

QString BarcodeItem::symbologyCaption(Symbology kind, const ItemTypeNames& names) {
    switch (kind) {
    case Symbology::Ean8:
        return names.EAN8ItemType;
    case Symbology::Ean13:
        return names.EAN13temType;
    case Symbology::UpcA:
        return names.UPCAItemType;
    case Symbology::UpcE:
        return names.UPCEItemType;
    case Symbology::Code128:
        return names.Code128ItemType;
    case Symbology::Gs1_128:
        return names.EAN128ItemType;
    case Symbology::Itf:
        return names.ITFItemType;
    case Symbology::Code39:
        return names.Code39ItemType;
    }
    return {};
}

std::string BarcodeItem::getDataText() const {
    if (Data->Kind != Symbology::Gs1_128)
        return Data->Text;
    const Gs1_128Data& gs1 = static_cast<const Gs1_128Data&>(*Data);
    Gs1_128Data shown(gs1);
    shown.ShowAppIds = true;
    std::string line = shown.humanReadableText();
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

void BarcodeItem::setX(int32_t x) {
    Data->X = dataPosition(x);
}

void BarcodeItem::setY(int32_t y) {
    Data->Y = dataPosition(y);
}

void BarcodeItem::setRotation(uint8_t rotation) {
    Rotation = rotation;
    Data->Rotation = rotation;
    render();
}

void BarcodeItem::justify(DotCanvas& view, const std::string&) {
    justifyPicture(view, symbol().width(), symbol().height());
}

EdgeRect BarcodeItem::getScreenRect(DotCanvas& view) {
    return pictureScreenRect(view, symbol().width(), symbol().height());
}

void BarcodeItem::draw(DotCanvas& view) {
    justify(view, {});
    drawPicture(view);
}

bool BarcodeItem::holdsUnprintableValue() const {
    return bool(checkBarcode(*Data));
}

QString BarcodeItem::unprintableValueProblem(const Messages& messages) const {
    return describeBarcodeProblem(checkBarcode(*Data), messages);
}

void BarcodeItem::initDefaults(int32_t currentFontNumber) {
    ImageItem::initDefaults(currentFontNumber);
    AllowedRotations = BarcodeData::BothWays;
    FontBased = false;
    takeData(BarcodeData::create(NewSymbology, 0));
}

void BarcodeItem::compileRecord(std::vector<uint8_t>& record, const CompileContext& context) const {
    if (!context.knownModel())
        return;
    const auto x = uint16_t(Data->X);
    const auto y = uint16_t(Data->Y);
    record.insert(record.end(), {TypeCode, 0, uint8_t(x & 0xFF), uint8_t(x >> 8), uint8_t(y & 0xFF),
                                 uint8_t(y >> 8), Rotation, uint8_t(Data->Kind)});
    const std::vector<uint8_t> own = symbologyRecord(*Data);
    record.insert(record.end(), own.begin(), own.end());
}
