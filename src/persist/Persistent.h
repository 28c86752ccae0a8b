#pragma once

#include "persist/PersistentObject.h"

#include <functional>
#include <memory>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

// What every persistent class would otherwise write again: the record name it
// registers under, a blank object of its own class, and copying. A class
// derives as
//
//   class TextItem : public Persistent<TextItem, ImageItem> {
//   public:
//       static constexpr auto RecordName = "TextItem";
//       ...
//
// and declares only its fields and what it does with them (load, store, and
// so on). A class that names the fields its objects compare by,
//
//       auto comparedFields() const { return std::tie(Text, OperatorRequest); }
//
// is equal to (less than, greater than) another object of its class when
// its base class says so and each of those fields is. Copying is the
// class's copy assignment, so a field added to the
// class is cloned, assigned and undone without a line elsewhere; a class that
// holds what the compiler cannot copy (owned pointers) defines its copy
// constructor and assignment, and only those.
template <class Derived, class Base> class Persistent : public Base {
public:
    using Base::Base;

    const char* className() const override {
        static_assert(hasOwnRecordName(),
                      "a persistent class names its record: static constexpr auto RecordName");
        return Derived::RecordName;
    }
    // A blank object: every field zero or empty, as the registry makes them.
    std::unique_ptr<PersistentObject> newInstance() const override {
        return std::make_unique<Derived>();
    }
    // Both of this class: the whole object by its copy assignment. Otherwise
    // the part the base class knows of, as before a class added its fields.
    void copyInto(PersistentObject& dest, const PersistentObject& source) const override {
        auto* to = dynamic_cast<Derived*>(&dest);
        const auto* from = dynamic_cast<const Derived*>(&source);
        if (to && from)
            *to = *from;
        else
            Base::copyInto(dest, source);
    }

    bool isEqual(const PersistentObject& other) const override {
        if constexpr (comparesOwnFields())
            return holdsForEachField(other, std::equal_to<>()) && (isRoot || Base::isEqual(other));
        else
            return Base::isEqual(other);
    }
    bool isLess(const PersistentObject& other) const override {
        if constexpr (comparesOwnFields())
            return holdsForEachField(other, std::less<>()) && (isRoot || Base::isLess(other));
        else
            return Base::isLess(other);
    }
    bool isGreater(const PersistentObject& other) const override {
        if constexpr (comparesOwnFields())
            return holdsForEachField(other, std::greater<>()) && (isRoot || Base::isGreater(other));
        else
            return Base::isGreater(other);
    }

private:
    // The root of the classes compares nothing of its own.
    static constexpr bool isRoot = std::is_same_v<Base, PersistentObject>;

    template <class Class, class Fields>
    static constexpr bool declaredInDerived(Fields (Class::*)() const) {
        return std::is_same_v<Class, Derived>;
    }
    static constexpr bool comparesOwnFields() {
        if constexpr (requires { &Derived::comparedFields; })
            return declaredInDerived(&Derived::comparedFields);
        else
            return false;
    }
    template <class Test> bool holdsForEachField(const PersistentObject& other, Test test) const {
        const auto* that = dynamic_cast<const Derived*>(&other);
        if (!that)
            return false;
        const auto mine = static_cast<const Derived&>(*this).comparedFields();
        const auto theirs = that->comparedFields();
        return [&]<size_t... I>(std::index_sequence<I...>) {
            return (test(std::get<I>(mine), std::get<I>(theirs)) && ...);
        }
        (std::make_index_sequence<std::tuple_size_v<decltype(mine)>>());
    }

    // A class that forgot its own RecordName would write its base's name,
    // and its records would load back as the base class.
    static constexpr bool hasOwnRecordName() {
        if constexpr (requires { Base::RecordName; })
            return std::string_view(Derived::RecordName) != std::string_view(Base::RecordName);
        else
            return requires {
                Derived::RecordName;
            };
    }
};
