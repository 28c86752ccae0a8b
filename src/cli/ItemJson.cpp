#include "cli/ItemJson.h"

#include "cli/JsonReader.h"
#include "persist/StreamHelpers.h"

#include <array>

namespace {

constexpr std::array<const char*, 7> CommonFields = {
    "FontNumber", "X", "Y", "Width", "Height", "Rotation", "Justification"};

void textToJson(TStream& body, QJsonObject& json) {
    ItemJsonConverters::CommonToJson(body, json);
    json[QStringLiteral("Text")] = BytesToJson(ReadString(body));
    json[QStringLiteral("OperatorRequest")] = ReadFlag(body);
    json[QStringLiteral("Prompt")] = BytesToJson(ReadString(body));
    json[QStringLiteral("MaxChars")] = ReadLong(body);
}

void textFromJson(JsonReader& json, TStream& body) {
    ItemJsonConverters::CommonFromJson(json, body);
    WriteString(body, json.Bytes("Text"));
    WriteFlag(body, json.Bool("OperatorRequest"));
    WriteString(body, json.Bytes("Prompt"));
    WriteLong(body, json.Int("MaxChars"));
}

} // namespace

void ItemJsonConverters::CommonToJson(TStream& body, QJsonObject& json) {
    for (const char* field : CommonFields)
        json[QLatin1String(field)] = ReadLong(body);
}

void ItemJsonConverters::CommonFromJson(JsonReader& json, TStream& body) {
    for (const char* field : CommonFields)
        WriteLong(body, json.Int(field));
}

ItemJsonConverters ItemJsonConverters::Standard() {
    ItemJsonConverters c;
    c.Register("ImageItem", {&CommonToJson, &CommonFromJson});
    c.Register("TextItem", {&textToJson, &textFromJson});
    return c;
}

void ItemJsonConverters::Register(const std::string& className, ItemJsonConverter converter) {
    converters_.emplace_back(className, std::move(converter));
}

const ItemJsonConverter* ItemJsonConverters::Find(const std::string& className) const {
    for (const auto& [name, converter] : converters_)
        if (name == className)
            return &converter;
    return nullptr;
}
