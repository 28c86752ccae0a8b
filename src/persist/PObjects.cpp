#include "persist/PObjects.h"

#include "persist/ClassRegistry.h"
#include "persist/StreamHelpers.h"
#include "platform/TolvError.h"

#include <typeinfo>

std::unique_ptr<PObject> PObject::NewInstance() const {
    return std::make_unique<PObject>();
}

void PObject::Load(TStream&, const ClassRegistry&) {}

void PObject::Store(TStream& s, const ClassRegistry& registry) const {
    const std::string name = registry.RegisteredName(*this);
    if (name.empty())
        throw TolvError(std::string("Cannot store an object of the unregistered class \"") +
                        ClassName() + "\"");
    WriteString(s, name);
}

bool PObject::IsEqual(const PObject&) const {
    return true;
}
bool PObject::IsLess(const PObject&) const {
    return false;
}
bool PObject::IsGreater(const PObject&) const {
    return false;
}

std::unique_ptr<PObject> PObject::Clone() const {
    auto copy = NewInstance();
    // A subclass without its own NewInstance would be cloned as a base object
    // and quietly lose its fields.
    const PObject& made = *copy;
    if (typeid(made) != typeid(*this))
        throw TolvError(std::string("Class \"") + ClassName() + "\" cannot make new instances");
    CopyInto(*copy, *this);
    return copy;
}

void PObject::Assign(const PObject& source) {
    CopyInto(*this, source);
}

void PObject::CopyInto(PObject&, const PObject&) const {}
