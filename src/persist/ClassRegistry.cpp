#include "persist/ClassRegistry.h"

#include "persist/NamedObject.h"
#include "persist/PersistentList.h"
#include "persist/StreamHelpers.h"
#include "platform/TolvError.h"

namespace {

constexpr size_t InitialCapacity = 20;
constexpr size_t MaxShownNameLength = 40;

// A class name from a damaged file can be long and hold any byte; the
// message shows a readable start of it.
std::string shownName(const std::string& name) {
    std::string shown;
    for (const char c : name.substr(0, MaxShownNameLength))
        shown += c >= ' ' && c <= '~' ? c : '?';
    return name.size() > MaxShownNameLength ? shown + "..." : shown;
}

} // namespace

ClassRegistry::ClassRegistry() {
    entries_.reserve(InitialCapacity);
    registerClass<PersistentObject>("PObject");
}

void ClassRegistry::registerClass(const std::string& name, Factory factory) {
    if (!find(name))
        entries_.push_back({name, std::move(factory)});
}

const ClassRegistry::Entry* ClassRegistry::find(const std::string& name) const {
    for (const Entry& entry : entries_)
        if (entry.name == name)
            return &entry;
    return nullptr;
}

std::string ClassRegistry::registeredName(const PersistentObject& object) const {
    const Entry* entry = find(object.className());
    return entry ? entry->name : std::string();
}

std::unique_ptr<PersistentObject> ClassRegistry::createByName(const std::string& name) const {
    const Entry* entry = find(name);
    return entry ? entry->factory() : nullptr;
}

void ClassRegistry::setRecordLoader(const std::string& name, RecordLoader loader) {
    for (auto& [recordName, existing] : loaders_)
        if (recordName == name) {
            existing = std::move(loader);
            return;
        }
    loaders_.emplace_back(name, std::move(loader));
}

std::unique_ptr<PersistentObject> ClassRegistry::loadRecord(ByteStream& s) const {
    const std::string name = readString(s);
    for (const auto& [recordName, loader] : loaders_)
        if (recordName == name && loader) {
            auto object = loader(s, *this);
            if (!object)
                throw TolvError("Unreadable \"" + shownName(name) + "\" record in file");
            return object;
        }
    auto object = createByName(name);
    if (!object)
        throw TolvError("Unknown object type \"" + shownName(name) + "\" in file");
    object->load(s, *this);
    return object;
}

void registerPersistClasses(ClassRegistry& registry) {
    registry.registerClass<PersistentObject>("PObject");
    registry.registerClass<NamedObject>();
    registry.registerClass<PersistentList>();
}
