#pragma once

#include "persist/Persistent.h"

#include <string>

// A persistent object with a name; named objects sort by the bytes of their
// names (ordinal, case-sensitive).
class PNamedObject : public Persistent<PNamedObject, PObject> {
public:
    static constexpr auto RecordName = "PNamedObject";

    std::string Name;

    void Load(TStream& s, const ClassRegistry& registry) override;
    void Store(TStream& s, const ClassRegistry& registry) const override;

    bool IsLess(const PObject& other) const override;
    bool IsGreater(const PObject& other) const override;
};
