#pragma once

#include "persist/Persistent.h"

#include <cstdint>
#include <memory>
#include <vector>

// An ordered, owning list of persistent objects; positions are 1-based and
// position 0 (or any position outside 1 .. Count) means "none". Its record is
// the class name, the count, then each element's own record.
//
// Put, append and insertFirst are virtual so that a subclass can refuse what
// does not belong in it; a refused element is freed.
class PersistentList : public Persistent<PersistentList, PersistentObject> {
public:
    static constexpr auto RecordName = "PList";

    PersistentList() = default;
    // Copies hold clones of the elements.
    PersistentList(const PersistentList& other);
    PersistentList& operator=(const PersistentList& other);
    ~PersistentList() override = default;

    int32_t count() const { return static_cast<int32_t>(elements_.size()); }
    PersistentObject* at(int32_t index) const;
    // Replaces the element at index and hands the old one back; returns null
    // and changes nothing when index is outside 1 .. Count.
    virtual std::unique_ptr<PersistentObject> put(int32_t index,
                                                  std::unique_ptr<PersistentObject> element);
    // Each returns whether the element was taken (a null element never is).
    virtual bool append(std::unique_ptr<PersistentObject> element);
    virtual bool insertFirst(std::unique_ptr<PersistentObject> element);
    // Unlinks and returns the element at index; null when outside 1 .. Count.
    std::unique_ptr<PersistentObject> extract(int32_t index);
    std::unique_ptr<PersistentObject> extractLast() { return extract(count()); }
    // Position of that very object, 0 when it is not in the list.
    int32_t indexOf(const PersistentObject* element) const;
    void freeAll();

    // Frees the current elements first, then appends each record through
    // Append. On failure it raises TolvError with the elements read so far
    // in the list, so callers load into a fresh list and swap it in after.
    void load(ByteStream& s, const ClassRegistry& registry) override;
    void store(ByteStream& s, const ClassRegistry& registry) const override;

    bool isEqual(const PersistentObject& other) const override;
    bool isLess(const PersistentObject& other) const override;
    bool isGreater(const PersistentObject& other) const override;

private:
    std::vector<std::unique_ptr<PersistentObject>> elements_;
};
