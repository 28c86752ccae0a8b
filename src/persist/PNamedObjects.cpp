#include "persist/PNamedObjects.h"

#include "persist/StreamHelpers.h"

void PNamedObject::Load(TStream& s, const ClassRegistry& registry) {
    PObject::Load(s, registry);
    Name = ReadString(s);
}

void PNamedObject::Store(TStream& s, const ClassRegistry& registry) const {
    PObject::Store(s, registry);
    WriteString(s, Name);
}

// std::string compares its bytes as unsigned characters: an ordinal order.
bool PNamedObject::IsLess(const PObject& other) const {
    const auto* named = dynamic_cast<const PNamedObject*>(&other);
    return named && Name < named->Name;
}

bool PNamedObject::IsGreater(const PObject& other) const {
    const auto* named = dynamic_cast<const PNamedObject*>(&other);
    return named && Name > named->Name;
}
