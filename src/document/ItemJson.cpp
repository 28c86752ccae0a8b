#include "document/ItemJson.h"

#include "persist/JsonReader.h"
#include "persist/StreamHelpers.h"

#include <array>

namespace {

constexpr std::array<const char*, 7> CommonFields = {
    "FontNumber", "X", "Y", "Width", "Height", "Rotation", "Justification"};

uint8_t characterByte(JsonReader& json, const char* name) {
    const std::string text = json.Bytes(name);
    if (text.size() != 1)
        JsonReader::fail(json.placeOf(name), QStringLiteral("one character expected"));
    return uint8_t(text[0]);
}

} // namespace

void ItemJsonConverters::commonToJson(ByteStream& body, QJsonObject& json) {
    for (const char* field : CommonFields)
        json[QLatin1String(field)] = readLong(body);
}

void ItemJsonConverters::commonFromJson(JsonReader& json, ByteStream& body) {
    for (const char* field : CommonFields)
        writeLong(body, json.integer(field));
}

ItemJsonConverter ItemJsonConverter::withFields(std::vector<Field> fields) {
    ItemJsonConverter converter;
    converter.toJson = [fields](ByteStream& body, QJsonObject& json) {
        ItemJsonConverters::commonToJson(body, json);
        for (const Field& f : fields) {
            const QLatin1String name(f.name);
            if (f.type == FieldType::Bytes)
                json[name] = bytesToJson(readString(body));
            else if (f.type == FieldType::Flag)
                json[name] = readFlag(body);
            else if (f.type == FieldType::Character)
                json[name] = bytesToJson(std::string(1, char(readByteValue(body))));
            else if (f.type == FieldType::Real)
                json[name] = readReal(body);
            else
                json[name] = readLong(body);
        }
    };
    converter.fromJson = [fields](JsonReader& json, ByteStream& body) {
        ItemJsonConverters::commonFromJson(json, body);
        for (const Field& f : fields) {
            if (f.type == FieldType::Bytes)
                writeString(body, json.Bytes(f.name));
            else if (f.type == FieldType::Flag)
                writeFlag(body, json.flag(f.name));
            else if (f.type == FieldType::Character)
                writeByteValue(body, characterByte(json, f.name));
            else if (f.type == FieldType::Real)
                writeReal(body, json.real(f.name));
            else
                writeLong(body, json.integer(f.name));
        }
    };
    for (const Field& f : fields)
        converter.ownFields.push_back(f.name);
    return converter;
}

void ItemJsonConverters::add(const std::string& className, ItemJsonConverter converter) {
    converters_.emplace_back(className, std::move(converter));
}

const ItemJsonConverter* ItemJsonConverters::find(const std::string& className) const {
    for (const auto& [name, converter] : converters_)
        if (name == className)
            return &converter;
    return nullptr;
}
