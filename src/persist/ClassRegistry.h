#pragma once

#include "persist/PObjects.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The persistent classes by the names that files carry. Filled while the
// program starts (each module registers its own classes) and read-only after;
// loading code receives it explicitly.
class ClassRegistry {
public:
    using Factory = std::function<std::unique_ptr<PObject>()>;
    // Reads a whole barcode record (the stream is just past its class name)
    // and returns the loaded item.
    using RecordLoader = std::function<std::unique_ptr<PObject>(TStream&, const ClassRegistry&)>;

    // Starts with PObject registered.
    ClassRegistry();

    // The first class registered under a name wins; later ones are ignored.
    void RegisterClass(const std::string& name, Factory factory);
    template <typename T> void RegisterClass(const std::string& name) {
        RegisterClass(name, [] { return std::make_unique<T>(); });
    }

    // The object's class name when that is registered, else empty.
    std::string RegisteredName(const PObject& object) const;
    // A blank object of the class registered under exactly that name, or null.
    std::unique_ptr<PObject> CreateByName(const std::string& name) const;
    // Reads one record: its class name, then an object of that class reads its
    // fields. Raises TolvError naming the class when it is not registered.
    std::unique_ptr<PObject> LoadRecord(TStream& s) const;
    int EntryCount() const { return static_cast<int>(entries_.size()); }

    // Barcode records need a look inside before their class is known; without
    // a loader, "BarcodeItem" is an unknown class like any other.
    void setBarcodeLoader(RecordLoader loader) { barcodeLoader_ = std::move(loader); }
    const RecordLoader& barcodeLoader() const { return barcodeLoader_; }

private:
    struct Entry {
        std::string name;
        Factory factory;
    };
    const Entry* find(const std::string& name) const;

    std::vector<Entry> entries_;
    RecordLoader barcodeLoader_;
};

// Registers the classes of this module: PObject, PNamedObject, PList.
void registerPersistClasses(ClassRegistry& registry);
