#include "persist/PersistentObject.h"

#include "persist/ClassRegistry.h"
#include "persist/StreamHelpers.h"
#include "platform/TolvError.h"

#include <typeinfo>

std::unique_ptr<PersistentObject> PersistentObject::newInstance() const {
    return std::make_unique<PersistentObject>();
}

void PersistentObject::load(ByteStream&, const ClassRegistry&) {}

void PersistentObject::store(ByteStream& s, const ClassRegistry& registry) const {
    const std::string name = registry.registeredName(*this);
    if (name.empty())
        throw TolvError(std::string("Cannot store an object of the unregistered class \"") +
                        className() + "\"");
    writeString(s, name);
}

bool PersistentObject::isEqual(const PersistentObject&) const {
    return true;
}
bool PersistentObject::isLess(const PersistentObject&) const {
    return false;
}
bool PersistentObject::isGreater(const PersistentObject&) const {
    return false;
}

std::unique_ptr<PersistentObject> PersistentObject::clone() const {
    auto copy = newInstance();
    // A subclass without its own newInstance would be cloned as a base object
    // and quietly lose its fields.
    const PersistentObject& made = *copy;
    if (typeid(made) != typeid(*this))
        throw TolvError(std::string("Class \"") + className() + "\" cannot make new instances");
    copyInto(*copy, *this);
    return copy;
}

void PersistentObject::assign(const PersistentObject& source) {
    copyInto(*this, source);
}

void PersistentObject::copyInto(PersistentObject&, const PersistentObject&) const {}
