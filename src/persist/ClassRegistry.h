#pragma once

#include "persist/PersistentObject.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The persistent classes by the names that files carry. Filled while the
// program starts (each module registers its own classes) and read-only after;
// loading code receives it explicitly.
class ClassRegistry {
public:
    using Factory = std::function<std::unique_ptr<PersistentObject>()>;
    // Reads a whole record (the stream is just past its class name) and
    // returns the loaded object.
    using RecordLoader =
        std::function<std::unique_ptr<PersistentObject>(ByteStream&, const ClassRegistry&)>;

    // Starts with PersistentObject registered.
    ClassRegistry();

    // The first class registered under a name wins; later ones are ignored.
    void registerClass(const std::string& name, Factory factory);
    template <typename T> void registerClass(const std::string& name) {
        registerClass(name, [] { return std::make_unique<T>(); });
    }
    // Under the class's own record name.
    template <typename T> void registerClass() { registerClass<T>(T::RecordName); }

    // The object's class name when that is registered, else empty.
    std::string registeredName(const PersistentObject& object) const;
    // A blank object of the class registered under exactly that name, or null.
    std::unique_ptr<PersistentObject> createByName(const std::string& name) const;
    // Reads one record: its class name, then an object of that class reads its
    // fields. Raises TolvError naming the class when it is not registered.
    std::unique_ptr<PersistentObject> loadRecord(ByteStream& s) const;
    int entryCount() const { return static_cast<int>(entries_.size()); }

    // Some records need a look inside before the class of their object is
    // known; the loader given for a record name reads such records whole.
    // Records without one are made by the registered class and read by its
    // Load; a record name with neither is an unknown class.
    void setRecordLoader(const std::string& name, RecordLoader loader);

private:
    struct Entry {
        std::string name;
        Factory factory;
    };
    const Entry* find(const std::string& name) const;

    std::vector<Entry> entries_;
    std::vector<std::pair<std::string, RecordLoader>> loaders_;
};

// Registers the classes of this module: PersistentObject, NamedObject, PersistentList.
void registerPersistClasses(ClassRegistry& registry);
