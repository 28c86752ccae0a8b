#pragma once

#include "persist/Persistent.h"

#include <cstdint>
#include <memory>
#include <vector>

// An ordered, owning list of persistent objects; positions are 1-based and
// position 0 (or any position outside 1 .. Count) means "none". Its record is
// the class name, the count, then each element's own record.
//
// Put, Append and InsertFirst are virtual so that a subclass can refuse what
// does not belong in it; a refused element is freed.
class PList : public Persistent<PList, PObject> {
public:
    static constexpr auto RecordName = "PList";

    PList() = default;
    // Copies hold clones of the elements.
    PList(const PList& other);
    PList& operator=(const PList& other);
    ~PList() override = default;

    int32_t Count() const { return static_cast<int32_t>(elements_.size()); }
    PObject* At(int32_t index) const;
    // Replaces the element at index and hands the old one back; returns null
    // and changes nothing when index is outside 1 .. Count.
    virtual std::unique_ptr<PObject> Put(int32_t index, std::unique_ptr<PObject> element);
    // Each returns whether the element was taken (a null element never is).
    virtual bool Append(std::unique_ptr<PObject> element);
    virtual bool InsertFirst(std::unique_ptr<PObject> element);
    // Unlinks and returns the element at index; null when outside 1 .. Count.
    std::unique_ptr<PObject> Extract(int32_t index);
    std::unique_ptr<PObject> ExtractLast() { return Extract(Count()); }
    // Position of that very object, 0 when it is not in the list.
    int32_t IndexOf(const PObject* element) const;
    void FreeAll();

    // Frees the current elements first, then appends each record through
    // Append. On failure it raises TolvError with the elements read so far
    // in the list, so callers load into a fresh list and swap it in after.
    void Load(TStream& s, const ClassRegistry& registry) override;
    void Store(TStream& s, const ClassRegistry& registry) const override;

    bool IsEqual(const PObject& other) const override;
    bool IsLess(const PObject& other) const override;
    bool IsGreater(const PObject& other) const override;

private:
    std::vector<std::unique_ptr<PObject>> elements_;
};
