#include "persist/PNamedObjects.h"

#include "persist/StreamHelpers.h"

std::unique_ptr<PObject> PNamedObject::NewInstance() const {
    return std::make_unique<PNamedObject>();
}

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

void PNamedObject::CopyInto(PObject& dest, const PObject& source) const {
    PObject::CopyInto(dest, source);
    CopyName(dest, source);
}

void PNamedObject::CopyName(PObject& dest, const PObject& source) const {
    auto* target = dynamic_cast<PNamedObject*>(&dest);
    const auto* named = dynamic_cast<const PNamedObject*>(&source);
    if (target && named)
        target->Name = named->Name;
}
