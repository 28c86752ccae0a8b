#pragma once

#include <QJsonObject>

#include <functional>
#include <string>
#include <vector>

class JsonReader;
class ByteStream;

// How the items of one class appear in JSON. A converter works on the body
// of an item's record (what follows the class name), in the record's field
// order: dumping reads a stored record into JSON fields, building writes the
// record from them and the class's own load then checks it as it checks a
// file. Each item kind's entry carries its converter, built on the item
// fields every kind shares.
struct ItemJsonConverter {
    // How a field of a record is stored and shown. A Character is one byte
    // shown as a text of one character; a Real an 8-byte double.
    enum class FieldType { Bytes, Flag, Long, Character, Real };
    struct Field {
        const char* name;
        FieldType type;
    };

    std::function<void(ByteStream& body, QJsonObject& json)> toJson;
    std::function<void(JsonReader& json, ByteStream& body)> fromJson;
    // The fields the class adds to the common ones, in record order.
    std::vector<const char*> ownFields;

    // The converter of a record that is the common fields, then the given
    // plain fields.
    static ItemJsonConverter withFields(std::vector<Field> fields);
};

class ItemJsonConverters {
public:
    void add(const std::string& className, ItemJsonConverter converter);
    // Null for a class without a JSON form.
    const ItemJsonConverter* find(const std::string& className) const;
    // The classes in the order they were registered.
    const std::vector<std::pair<std::string, ItemJsonConverter>>& all() const {
        return converters_;
    }

    // The fields of every item: FontNumber, X, Y (as stored, without the
    // margin), Width, Height, Rotation, Justification.
    static void commonToJson(ByteStream& body, QJsonObject& json);
    static void commonFromJson(JsonReader& json, ByteStream& body);

private:
    std::vector<std::pair<std::string, ItemJsonConverter>> converters_;
};
