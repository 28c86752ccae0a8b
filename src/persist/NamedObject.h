#pragma once

#include "persist/Persistent.h"

#include <string>

// A persistent object with a name; named objects sort by the bytes of their
// names (ordinal, case-sensitive).
class NamedObject : public Persistent<NamedObject, PersistentObject> {
public:
    static constexpr auto RecordName = "PNamedObject";

    std::string Name;

    void load(ByteStream& s, const ClassRegistry& registry) override;
    void store(ByteStream& s, const ClassRegistry& registry) const override;

    bool isLess(const PersistentObject& other) const override;
    bool isGreater(const PersistentObject& other) const override;
};
