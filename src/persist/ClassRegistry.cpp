#include "persist/ClassRegistry.h"

#include "persist/PLists.h"
#include "persist/PNamedObjects.h"
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
    RegisterClass<PObject>("PObject");
}

void ClassRegistry::RegisterClass(const std::string& name, Factory factory) {
    if (!find(name))
        entries_.push_back({name, std::move(factory)});
}

const ClassRegistry::Entry* ClassRegistry::find(const std::string& name) const {
    for (const Entry& entry : entries_)
        if (entry.name == name)
            return &entry;
    return nullptr;
}

std::string ClassRegistry::RegisteredName(const PObject& object) const {
    const Entry* entry = find(object.ClassName());
    return entry ? entry->name : std::string();
}

std::unique_ptr<PObject> ClassRegistry::CreateByName(const std::string& name) const {
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

std::unique_ptr<PObject> ClassRegistry::LoadRecord(TStream& s) const {
    const std::string name = ReadString(s);
    for (const auto& [recordName, loader] : loaders_)
        if (recordName == name && loader) {
            auto object = loader(s, *this);
            if (!object)
                throw TolvError("Unreadable \"" + shownName(name) + "\" record in file");
            return object;
        }
    auto object = CreateByName(name);
    if (!object)
        throw TolvError("Unknown object type \"" + shownName(name) + "\" in file");
    object->Load(s, *this);
    return object;
}

void registerPersistClasses(ClassRegistry& registry) {
    registry.RegisterClass<PObject>("PObject");
    registry.RegisterClass<PNamedObject>();
    registry.RegisterClass<PList>();
}
