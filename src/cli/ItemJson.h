#pragma once

#include <QJsonObject>

#include <functional>
#include <string>
#include <vector>

class JsonReader;
class TStream;

// How the items of each class appear in JSON. A converter works on the body
// of an item's record (what follows the class name), in the record's field
// order: dumping reads a stored record into JSON fields, building writes the
// record from them and the class's own Load then checks it as it checks a
// file. A new item kind is added by registering its converter here, built on
// the item fields every kind shares.
struct ItemJsonConverter {
    std::function<void(TStream& body, QJsonObject& json)> toJson;
    std::function<void(JsonReader& json, TStream& body)> fromJson;
};

class ItemJsonConverters {
public:
    // The converters of every item class the program has.
    static ItemJsonConverters Standard();

    void Register(const std::string& className, ItemJsonConverter converter);
    // Null for a class without a JSON form.
    const ItemJsonConverter* Find(const std::string& className) const;

    // The fields of every item: FontNumber, X, Y (as stored, without the
    // margin), Width, Height, Rotation, Justification.
    static void CommonToJson(TStream& body, QJsonObject& json);
    static void CommonFromJson(JsonReader& json, TStream& body);

private:
    std::vector<std::pair<std::string, ItemJsonConverter>> converters_;
};
