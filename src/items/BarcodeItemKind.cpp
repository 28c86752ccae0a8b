#include "items/BarcodeItem.h"
#include "items/ItemKinds.h"
#include "persist/JsonReader.h"

#include <QJsonArray>

#include <array>

namespace {

// The symbologies as their JSON form names them, in symbology order.
constexpr std::array<const char*, SymbologyCount> SymbologyNames = {
    "ean8", "ean13", "upca", "upce", "code128", "gs1-128", "itf", "code39"};

std::unique_ptr<ImageItem> sampleBarcodeItem() {
    auto data = std::make_unique<Gs1_128Data>();
    data->addElement({true, "01", "09501101530003"});
    data->addElement({false, "10", "AB12"});
    data->addElement({true, "17", "261231"});
    // Small enough for the smallest model's area, where dialogs check it.
    data->ModuleWidth = 2;
    data->BarHeight = 60;
    auto item = std::make_unique<BarcodeItem>();
    item->setRotation(2);
    item->Justification = 2;
    item->takeData(std::move(data));
    item->setPosition({ImageItem::Margin + 300, ImageItem::Margin + 20});
    return item;
}

// A one-byte field of the record, refused outside 0 .. limit.
uint8_t byteField(JsonReader& json, const char* name, int limit) {
    const int32_t value = json.integer(name);
    if (value < 0 || value > limit)
        JsonReader::fail(json.placeOf(name), QStringLiteral("expected 0 to %1").arg(limit));
    return uint8_t(value);
}

QJsonObject elementsToJson(const Gs1_128Data& data, QJsonObject own) {
    QJsonArray elements;
    for (const Gs1Element& element : data.Elements)
        elements.append(QJsonObject{{QStringLiteral("AppId"), bytesToJson(element.AppId)},
                                    {QStringLiteral("FixedLength"), element.FixedLength},
                                    {QStringLiteral("Value"), bytesToJson(element.Value)}});
    own[QStringLiteral("Elements")] = elements;
    return own;
}

void elementsFromJson(JsonReader& json, Gs1_128Data& data) {
    const QJsonArray elements = json.array("Elements");
    for (qsizetype i = 0; i < elements.size(); ++i) {
        const QString place = json.placeOf("Elements", i);
        JsonReader element(JsonReader::toObject(elements[i], place), place);
        const std::string appId = element.Bytes("AppId");
        const bool fixed = element.flag("FixedLength");
        data.addElement({fixed, appId, element.Bytes("Value")});
        element.finish();
    }
}

// The symbology's own fields, in record order.
QJsonObject ownToJson(const BarcodeData& data) {
    QJsonObject own;
    const auto size = [&] {
        own[QStringLiteral("BarHeight")] = data.BarHeight;
        own[QStringLiteral("ModuleWidth")] = data.ModuleWidth;
    };
    const QString text = bytesToJson(data.Text);
    switch (data.Kind) {
    case Symbology::Gs1_128:
        own = elementsToJson(static_cast<const Gs1_128Data&>(data), own);
        size();
        break;
    case Symbology::Itf: {
        const auto& itf = static_cast<const ItfData&>(data);
        own[QStringLiteral("TextPosition")] = itf.TextPosition;
        own[QStringLiteral("ModuleWidth")] = itf.ModuleWidth;
        own[QStringLiteral("BearerWidth")] = itf.BearerWidth;
        own[QStringLiteral("BarHeight")] = itf.BarHeight;
        own[QStringLiteral("CheckDigit")] = itf.CheckDigit;
        own[QStringLiteral("BearerType")] = itf.BearerType;
        own[QStringLiteral("LeadingZero")] = itf.LeadingZero;
        own[QStringLiteral("Ratio")] = itf.Ratio;
        own[QStringLiteral("Text")] = text;
        break;
    }
    case Symbology::Code39: {
        const auto& code39 = static_cast<const Code39Data&>(data);
        own[QStringLiteral("Text")] = text;
        size();
        own[QStringLiteral("CheckCharacter")] = code39.CheckCharacter;
        own[QStringLiteral("Ratio")] = code39.Ratio;
        break;
    }
    default:
        own[QStringLiteral("Text")] = text;
        size();
        break;
    }
    return own;
}

void ownFromJson(JsonReader& json, BarcodeData& data) {
    const auto size = [&] {
        data.BarHeight = json.integer("BarHeight");
        data.ModuleWidth = json.integer("ModuleWidth");
    };
    switch (data.Kind) {
    case Symbology::Gs1_128:
        elementsFromJson(json, static_cast<Gs1_128Data&>(data));
        size();
        break;
    case Symbology::Itf: {
        auto& itf = static_cast<ItfData&>(data);
        itf.TextPosition = byteField(json, "TextPosition", 0xFF);
        itf.ModuleWidth = json.integer("ModuleWidth");
        itf.BearerWidth = json.integer("BearerWidth");
        itf.BarHeight = json.integer("BarHeight");
        itf.CheckDigit = json.flag("CheckDigit");
        itf.BearerType = byteField(json, "BearerType", 0x7F);
        itf.LeadingZero = json.flag("LeadingZero");
        itf.Ratio = byteField(json, "Ratio", RatioData::MaxRatio);
        itf.Text = json.Bytes("Text");
        break;
    }
    case Symbology::Code39: {
        auto& code39 = static_cast<Code39Data&>(data);
        code39.Text = json.Bytes("Text");
        size();
        code39.CheckCharacter = json.flag("CheckCharacter");
        code39.Ratio = byteField(json, "Ratio", RatioData::MaxRatio);
        break;
    }
    default:
        data.Text = json.Bytes("Text");
        size();
        break;
    }
}

// X, Y (without the margin), Rotation, Justification and the symbology by
// name, then the symbology's fields as the object "Barcode". The common
// words the data stores as 0 are not shown.
void barcodeToJson(ByteStream& body, QJsonObject& json) {
    const std::unique_ptr<BarcodeData> data = BarcodeData::read(body);
    json[QStringLiteral("X")] = data->X;
    json[QStringLiteral("Y")] = data->Y;
    json[QStringLiteral("Rotation")] = data->Rotation;
    json[QStringLiteral("Justification")] = data->Justification;
    json[QStringLiteral("Symbology")] = QLatin1String(SymbologyNames[size_t(data->Kind)]);
    json[QStringLiteral("Barcode")] = ownToJson(*data);
}

void barcodeFromJson(JsonReader& json, ByteStream& body) {
    const int32_t x = json.integer("X");
    const int32_t y = json.integer("Y");
    const uint8_t rotation = byteField(json, "Rotation", 3);
    const uint8_t justification = byteField(json, "Justification", 3);
    const QString name = json.Bytes("Symbology").c_str();
    const auto found = std::find_if(SymbologyNames.begin(), SymbologyNames.end(),
                                    [&](const char* n) { return name == QLatin1String(n); });
    if (found == SymbologyNames.end())
        JsonReader::fail(json.placeOf("Symbology"),
                         QStringLiteral("expected one of ean8, ean13, upca, upce, code128, "
                                        "gs1-128, itf, code39"));
    std::unique_ptr<BarcodeData> data =
        BarcodeData::create(Symbology(found - SymbologyNames.begin()), 0);
    data->X = x;
    data->Y = y;
    data->Rotation = rotation;
    data->Justification = justification;
    JsonReader own(json.object("Barcode"), json.placeOf("Barcode"));
    ownFromJson(own, *data);
    own.finish();
    data->store(body);
}

} // namespace

const ItemKind& barcodeItemKind() {
    static const ItemKind kind{
        .typeCode = BarcodeItem::TypeCode,
        .recordName = BarcodeItem::RecordName,
        .captionIndex = 9,
        .icon = "barcode",
        .actionKey = "ItemMenuBarCodeItem",
        .hintKey = "BarcodeHint",
        .listButtonName = "BARCBUTTON",
        .limitClass = ItemLimitClass::Items,
        .makeBlank = [] { return std::unique_ptr<ImageItem>(std::make_unique<BarcodeItem>()); },
        .makeSample = &sampleBarcodeItem,
        .json = {&barcodeToJson, &barcodeFromJson, {"Symbology", "Barcode"}},
    };
    return kind;
}
