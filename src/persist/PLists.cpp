#include "persist/PLists.h"

#include "persist/ClassRegistry.h"
#include "persist/StreamHelpers.h"
#include "platform/TolvError.h"

#include <algorithm>

namespace {

// Lists may hold lists; a hostile file nesting them without end must end in
// an error, not in a stack overflow.
constexpr int MaxNesting = 64;
thread_local int nesting = 0;

class NestingGuard {
public:
    NestingGuard() {
        if (nesting >= MaxNesting)
            throw TolvError("Lists nested too deeply in file");
        ++nesting;
    }
    ~NestingGuard() { --nesting; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;
};

// Every record takes at least the four bytes of its class name's length.
void checkRecordCount(TStream& s, int32_t count) {
    const int32_t left = s.Size() - s.Position();
    if (count < 0 || count > left / 4)
        throw TolvError("Invalid number of records " + std::to_string(count) + " in file");
}

} // namespace

PList::PList(const PList& other) : Persistent(other) {
    elements_.reserve(other.elements_.size());
    for (const auto& element : other.elements_)
        elements_.push_back(element->Clone());
}

PList& PList::operator=(const PList& other) {
    // The clones are made first, so that a list assigned to itself keeps
    // its elements.
    PList copy(other);
    Persistent::operator=(other);
    elements_.swap(copy.elements_);
    return *this;
}

PObject* PList::At(int32_t index) const {
    return index >= 1 && index <= Count() ? elements_[static_cast<size_t>(index - 1)].get()
                                          : nullptr;
}

std::unique_ptr<PObject> PList::Put(int32_t index, std::unique_ptr<PObject> element) {
    if (!element || index < 1 || index > Count())
        return nullptr;
    std::swap(elements_[static_cast<size_t>(index - 1)], element);
    return element;
}

bool PList::Append(std::unique_ptr<PObject> element) {
    if (!element)
        return false;
    elements_.push_back(std::move(element));
    return true;
}

bool PList::InsertFirst(std::unique_ptr<PObject> element) {
    if (!element)
        return false;
    elements_.insert(elements_.begin(), std::move(element));
    return true;
}

std::unique_ptr<PObject> PList::Extract(int32_t index) {
    if (index < 1 || index > Count())
        return nullptr;
    const auto at = elements_.begin() + (index - 1);
    auto element = std::move(*at);
    elements_.erase(at);
    return element;
}

int32_t PList::IndexOf(const PObject* element) const {
    const auto at = std::find_if(elements_.begin(), elements_.end(),
                                 [element](const auto& held) { return held.get() == element; });
    return at == elements_.end() ? 0 : static_cast<int32_t>(at - elements_.begin()) + 1;
}

void PList::FreeAll() {
    while (!elements_.empty())
        elements_.pop_back();
}

void PList::Load(TStream& s, const ClassRegistry& registry) {
    PObject::Load(s, registry);
    FreeAll();
    const NestingGuard guard;
    const int32_t count = ReadLong(s);
    checkRecordCount(s, count);
    for (int32_t i = 0; i < count; ++i)
        Append(registry.LoadRecord(s));
}

void PList::Store(TStream& s, const ClassRegistry& registry) const {
    PObject::Store(s, registry);
    WriteLong(s, Count());
    for (const auto& element : elements_)
        element->Store(s, registry);
}

namespace {

// Whether test holds between the elements at each of the positions 1 .. count.
bool eachPair(const PList& a, const PList& b, int32_t count,
              bool (PObject::*test)(const PObject&) const) {
    for (int32_t i = 1; i <= count; ++i)
        if (!(a.At(i)->*test)(*b.At(i)))
            return false;
    return true;
}

} // namespace

bool PList::IsEqual(const PObject& other) const {
    const auto* list = dynamic_cast<const PList*>(&other);
    return list && Count() == list->Count() && eachPair(*this, *list, Count(), &PObject::IsEqual);
}

bool PList::IsLess(const PObject& other) const {
    const auto* list = dynamic_cast<const PList*>(&other);
    return list && Count() <= list->Count() && eachPair(*this, *list, Count(), &PObject::IsLess);
}

bool PList::IsGreater(const PObject& other) const {
    const auto* list = dynamic_cast<const PList*>(&other);
    return list && Count() >= list->Count() &&
           eachPair(*this, *list, list->Count(), &PObject::IsGreater);
}
