#include "cli/ImageJson.h"

#include "document/ItemJson.h"
#include "persist/ClassRegistry.h"
#include "persist/JsonReader.h"
#include "persist/MemoryStream.h"
#include "persist/StreamHelpers.h"
#include "platform/TolvError.h"

#include <QJsonArray>

namespace {

const ItemJsonConverter& converterOf(const ItemJsonConverters& converters,
                                     const std::string& className, const QString& place) {
    const ItemJsonConverter* converter = converters.find(className);
    if (!converter)
        JsonReader::fail(place, QStringLiteral("no JSON form for items of class ") +
                                    QString::fromStdString(className));
    return *converter;
}

// ---- file to JSON

QJsonObject areaToJson(const DotRect& a) {
    return {{"Left", a.Left}, {"Top", a.Top}, {"Right", a.Right}, {"Bottom", a.Bottom}};
}

QJsonArray shiftsToJson(const ShiftTable& shifts) {
    QJsonArray entries;
    for (int i = 1; i <= ShiftTable::SlotCount; ++i) {
        const ShiftSlot& s = shifts.slot(i);
        entries.append(
            QJsonObject{{"Day", s.Day}, {"Start", s.Start}, {"Code", bytesToJson(s.Code)}});
    }
    return entries;
}

// The item's own record is what the file holds, so it is the source.
QJsonObject itemToJson(const ImageItem& item, const ItemJsonConverters& converters,
                       const ClassRegistry& registry, const QString& place) {
    MemoryStream record;
    item.store(record, registry);
    record.setPosition(0);
    const std::string className = readString(record);
    QJsonObject json{{"Class", bytesToJson(className)}};
    converterOf(converters, className, place).toJson(record, json);
    if (record.position() != record.size())
        JsonReader::fail(place, QStringLiteral("the record has fields its JSON form lacks"));
    return json;
}

QJsonObject headerToJson(const ImageFileHeader& h) {
    QJsonObject json{{"version", QString::fromStdString(ImageFile::versionText(h.Version))},
                     {"LongName", bytesToJson(h.LongName)},
                     {"ShortName", bytesToJson(h.ShortName)},
                     {"Area", areaToJson(h.Area)},
                     {"MonthLanguageName", bytesToJson(h.MonthLanguageName)},
                     {"MonthStrings", bytesToJson(h.MonthStrings)},
                     {"Shifts", shiftsToJson(h.Shifts)}};
    if (h.TypeCode)
        json[QStringLiteral("TypeCode")] = *h.TypeCode;
    if (h.ExtraTypeInts)
        json[QStringLiteral("ExtraTypeInts")] =
            QJsonArray{(*h.ExtraTypeInts)[0], (*h.ExtraTypeInts)[1]};
    return json;
}

// ---- JSON to file

std::string optionalBytes(JsonReader& json, const char* key) {
    return json.has(key) ? json.Bytes(key) : std::string();
}

ImageFileVersion versionFromJson(JsonReader& json) {
    if (!json.has("version"))
        return ImageFileVersion::V3_1X000;
    const auto version = ImageFile::versionOf(json.Bytes("version"));
    if (!version)
        JsonReader::fail(json.placeOf("version"), QStringLiteral("not a known file version"));
    return *version;
}

DotRect areaFromJson(JsonReader& parent) {
    JsonReader json(parent.object("Area"), parent.placeOf("Area"));
    DotRect a{json.integer("Left"), json.integer("Top"), json.integer("Right"),
              json.integer("Bottom")};
    json.finish();
    return a;
}

std::array<int32_t, 2> extraIntsFromJson(JsonReader& json) {
    const QJsonArray values = json.array("ExtraTypeInts");
    if (values.size() != 2)
        JsonReader::fail(json.placeOf("ExtraTypeInts"), QStringLiteral("expected two numbers"));
    return {JsonReader::toInt(values[0], json.placeOf("ExtraTypeInts", 0)),
            JsonReader::toInt(values[1], json.placeOf("ExtraTypeInts", 1))};
}

ShiftTable shiftsFromJson(JsonReader& parent) {
    ShiftTable shifts;
    if (!parent.has("Shifts"))
        return shifts;
    const QJsonArray entries = parent.array("Shifts");
    if (entries.size() > ShiftTable::SlotCount)
        JsonReader::fail(parent.placeOf("Shifts"), QStringLiteral("more than 25 entries"));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString place = parent.placeOf("Shifts", i);
        JsonReader json(JsonReader::toObject(entries[i], place), place);
        const int32_t day = json.integer("Day");
        if (day < 0 || day > ShiftSlot::EmptyDay)
            JsonReader::fail(json.placeOf("Day"), QStringLiteral("expected 0 to 7"));
        shifts.setSlot(int(i) + 1, {uint8_t(day), json.real("Start"), json.Bytes("Code")});
        json.finish();
    }
    return shifts;
}

// The record is assembled from the JSON and read back by the class itself,
// so an item is built exactly as loading a file would build it.
std::unique_ptr<PersistentObject> itemFromJson(JsonReader& json,
                                               const ItemJsonConverters& converters,
                                               const ClassRegistry& registry,
                                               const QString& place) {
    const std::string className = json.Bytes("Class");
    MemoryStream record;
    writeString(record, className);
    converterOf(converters, className, place).fromJson(json, record);
    json.finish();
    record.setPosition(0);
    std::unique_ptr<PersistentObject> item;
    try {
        item = registry.loadRecord(record);
    } catch (const TolvError& e) {
        JsonReader::fail(place, QString::fromStdString(e.what()));
    }
    if (!dynamic_cast<ImageItem*>(item.get()))
        JsonReader::fail(place, QStringLiteral("not an image item"));
    return item;
}

std::unique_ptr<ItemList> itemsFromJson(JsonReader& parent, const ItemJsonConverters& converters,
                                        const ClassRegistry& registry) {
    auto items = std::make_unique<ItemList>();
    if (!parent.has("Items"))
        return items;
    const QJsonArray array = parent.array("Items");
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QString place = parent.placeOf("Items", i);
        JsonReader json(JsonReader::toObject(array[i], place), place);
        items->append(itemFromJson(json, converters, registry, place));
    }
    return items;
}

ImageFileHeader headerFromJson(JsonReader& json) {
    ImageFileHeader h;
    h.Version = versionFromJson(json);
    h.LongName = optionalBytes(json, "LongName");
    h.ShortName = optionalBytes(json, "ShortName");
    if (h.Version != ImageFileVersion::V1_0X008 || json.has("TypeCode"))
        h.TypeCode = json.integer("TypeCode");
    if (json.has("ExtraTypeInts"))
        h.ExtraTypeInts = extraIntsFromJson(json);
    h.Area = areaFromJson(json);
    h.MonthLanguageName = optionalBytes(json, "MonthLanguageName");
    h.MonthStrings = optionalBytes(json, "MonthStrings");
    h.Shifts = shiftsFromJson(json);
    return h;
}

} // namespace

namespace ImageJson {

QJsonObject toJson(const ImageFileContents& contents, const ItemJsonConverters& converters,
                   const ClassRegistry& registry) {
    QJsonObject json = headerToJson(contents.Header);
    QJsonArray items;
    const ItemList* list = contents.Items.get();
    for (int32_t i = 1; list && i <= list->count(); ++i)
        items.append(
            itemToJson(*list->at(i), converters, registry, QStringLiteral("Items[%1]").arg(i - 1)));
    json[QStringLiteral("Items")] = items;
    return json;
}

ImageFileContents fromJson(const QJsonObject& object, const ItemJsonConverters& converters,
                           const ClassRegistry& registry) {
    JsonReader json(object, QString());
    ImageFileContents contents;
    contents.Header = headerFromJson(json);
    contents.Items = itemsFromJson(json, converters, registry);
    json.finish();
    return contents;
}

} // namespace ImageJson
