#include "persist/NamedObject.h"

#include "persist/StreamHelpers.h"

void NamedObject::load(ByteStream& s, const ClassRegistry& registry) {
    PersistentObject::load(s, registry);
    Name = readString(s);
}

void NamedObject::store(ByteStream& s, const ClassRegistry& registry) const {
    PersistentObject::store(s, registry);
    writeString(s, Name);
}

// std::string compares its bytes as unsigned characters: an ordinal order.
bool NamedObject::isLess(const PersistentObject& other) const {
    const auto* named = dynamic_cast<const NamedObject*>(&other);
    return named && Name < named->Name;
}

bool NamedObject::isGreater(const PersistentObject& other) const {
    const auto* named = dynamic_cast<const NamedObject*>(&other);
    return named && Name > named->Name;
}
