#include "persist/PersistentList.h"

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
void checkRecordCount(ByteStream& s, int32_t count) {
    const int32_t left = s.size() - s.position();
    if (count < 0 || count > left / 4)
        throw TolvError("Invalid number of records " + std::to_string(count) + " in file");
}

} // namespace

PersistentList::PersistentList(const PersistentList& other) : Persistent(other) {
    elements_.reserve(other.elements_.size());
    for (const auto& element : other.elements_)
        elements_.push_back(element->clone());
}

PersistentList& PersistentList::operator=(const PersistentList& other) {
    // The clones are made first, so that a list assigned to itself keeps
    // its elements.
    PersistentList copy(other);
    Persistent::operator=(other);
    elements_.swap(copy.elements_);
    return *this;
}

PersistentObject* PersistentList::at(int32_t index) const {
    return index >= 1 && index <= count() ? elements_[static_cast<size_t>(index - 1)].get()
                                          : nullptr;
}

std::unique_ptr<PersistentObject> PersistentList::put(int32_t index,
                                                      std::unique_ptr<PersistentObject> element) {
    if (!element || index < 1 || index > count())
        return nullptr;
    std::swap(elements_[static_cast<size_t>(index - 1)], element);
    return element;
}

bool PersistentList::append(std::unique_ptr<PersistentObject> element) {
    if (!element)
        return false;
    elements_.push_back(std::move(element));
    return true;
}

bool PersistentList::insertFirst(std::unique_ptr<PersistentObject> element) {
    if (!element)
        return false;
    elements_.insert(elements_.begin(), std::move(element));
    return true;
}

std::unique_ptr<PersistentObject> PersistentList::extract(int32_t index) {
    if (index < 1 || index > count())
        return nullptr;
    const auto at = elements_.begin() + (index - 1);
    auto element = std::move(*at);
    elements_.erase(at);
    return element;
}

int32_t PersistentList::indexOf(const PersistentObject* element) const {
    const auto at = std::find_if(elements_.begin(), elements_.end(),
                                 [element](const auto& held) { return held.get() == element; });
    return at == elements_.end() ? 0 : static_cast<int32_t>(at - elements_.begin()) + 1;
}

void PersistentList::freeAll() {
    while (!elements_.empty())
        elements_.pop_back();
}

void PersistentList::load(ByteStream& s, const ClassRegistry& registry) {
    PersistentObject::load(s, registry);
    freeAll();
    const NestingGuard guard;
    const int32_t count = readLong(s);
    checkRecordCount(s, count);
    for (int32_t i = 0; i < count; ++i)
        append(registry.loadRecord(s));
}

void PersistentList::store(ByteStream& s, const ClassRegistry& registry) const {
    PersistentObject::store(s, registry);
    writeLong(s, count());
    for (const auto& element : elements_)
        element->store(s, registry);
}

namespace {

// Whether test holds between the elements at each of the positions 1 .. count.
bool eachPair(const PersistentList& a, const PersistentList& b, int32_t count,
              bool (PersistentObject::*test)(const PersistentObject&) const) {
    for (int32_t i = 1; i <= count; ++i)
        if (!(a.at(i)->*test)(*b.at(i)))
            return false;
    return true;
}

} // namespace

bool PersistentList::isEqual(const PersistentObject& other) const {
    const auto* list = dynamic_cast<const PersistentList*>(&other);
    return list && count() == list->count() &&
           eachPair(*this, *list, count(), &PersistentObject::isEqual);
}

bool PersistentList::isLess(const PersistentObject& other) const {
    const auto* list = dynamic_cast<const PersistentList*>(&other);
    return list && count() <= list->count() &&
           eachPair(*this, *list, count(), &PersistentObject::isLess);
}

bool PersistentList::isGreater(const PersistentObject& other) const {
    const auto* list = dynamic_cast<const PersistentList*>(&other);
    return list && count() >= list->count() &&
           eachPair(*this, *list, list->count(), &PersistentObject::isGreater);
}
