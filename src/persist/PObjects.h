#pragma once

#include <memory>

class ClassRegistry;
class TStream;

// Base of every persistent class. A stored object is a self-describing record:
// the name its class is registered under, then its fields. Subclasses that add
// fields override Load and Store, call the inherited operation first and then
// handle their own fields in declaration order.
//
// Every persistent class overrides ClassName (the name it registers under) and
// NewInstance (a blank object of its own class), and has a default constructor
// that leaves every field zero or empty: the registry makes objects with it
// when loading, before Load fills them.
class PObject {
public:
    PObject() = default;
    virtual ~PObject() = default;

    virtual const char* ClassName() const { return "PObject"; }
    virtual std::unique_ptr<PObject> NewInstance() const;

    // Reads the fields; the class name has already been read by whoever made
    // the object.
    virtual void Load(TStream& s, const ClassRegistry& registry);
    // Writes the registered class name, then the fields. Raises TolvError when
    // the class is not registered, as such a record could never be read back.
    virtual void Store(TStream& s, const ClassRegistry& registry) const;

    virtual bool IsEqual(const PObject& other) const;
    virtual bool IsLess(const PObject& other) const;
    virtual bool IsGreater(const PObject& other) const;

    // A new object of the same class with this one's contents (CopyInto).
    virtual std::unique_ptr<PObject> Clone() const;
    virtual void Assign(const PObject& source);
    // Copies the contents this class knows of from source into dest; the
    // object it is called on chooses the class whose copy runs.
    virtual void CopyInto(PObject& dest, const PObject& source) const;

protected:
    PObject(const PObject&) = default;
    PObject& operator=(const PObject&) = default;
};
