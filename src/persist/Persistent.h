#pragma once

#include "persist/PObjects.h"

#include <memory>
#include <type_traits>

// What every persistent class would otherwise write again: the record name it
// registers under, a blank object of its own class, and copying. A class
// derives as
//
//   class TextItem : public Persistent<TextItem, ImageItem> {
//   public:
//       static constexpr auto RecordName = "TextItem";
//       ...
//
// and declares only its fields and what it does with them (Load, Store, and
// so on). Copying is the class's copy assignment, so a field added to the
// class is cloned, assigned and undone without a line elsewhere; a class that
// holds what the compiler cannot copy (owned pointers) defines its copy
// constructor and assignment, and only those.
template <class Derived, class Base> class Persistent : public Base {
public:
    using Base::Base;

    const char* ClassName() const override {
        static_assert(hasOwnRecordName(),
                      "a persistent class names its record: static constexpr auto RecordName");
        return Derived::RecordName;
    }
    // A blank object: every field zero or empty, as the registry makes them.
    std::unique_ptr<PObject> NewInstance() const override { return std::make_unique<Derived>(); }
    // Both of this class: the whole object by its copy assignment. Otherwise
    // the part the base class knows of, as before a class added its fields.
    void CopyInto(PObject& dest, const PObject& source) const override {
        auto* to = dynamic_cast<Derived*>(&dest);
        const auto* from = dynamic_cast<const Derived*>(&source);
        if (to && from)
            *to = *from;
        else
            Base::CopyInto(dest, source);
    }

private:
    // A class that forgot its own RecordName would write its base's name,
    // and its records would load back as the base class.
    static constexpr bool hasOwnRecordName() {
        if constexpr (requires { Base::RecordName; })
            return &Derived::RecordName != &Base::RecordName;
        else
            return requires {
                Derived::RecordName;
            };
    }
};
