#pragma once

#include "persist/PObjects.h"

#include <string>

// A persistent object with a name; named objects sort by the bytes of their
// names (ordinal, case-sensitive).
class PNamedObject : public PObject {
public:
    std::string Name;

    const char* ClassName() const override { return "PNamedObject"; }
    std::unique_ptr<PObject> NewInstance() const override;

    void Load(TStream& s, const ClassRegistry& registry) override;
    void Store(TStream& s, const ClassRegistry& registry) const override;

    bool IsLess(const PObject& other) const override;
    bool IsGreater(const PObject& other) const override;

    // Copying a named object copies its name (CopyName).
    void CopyInto(PObject& dest, const PObject& source) const override;
    virtual void CopyName(PObject& dest, const PObject& source) const;
};
