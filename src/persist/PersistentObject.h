#pragma once

#include <memory>

class ClassRegistry;
class ByteStream;

// Base of every persistent class. A stored object is a self-describing record:
// the name its class is registered under, then its fields. Subclasses that add
// fields override load and store, call the inherited operation first and then
// handle their own fields in declaration order.
//
// Every persistent class overrides className (the name it registers under) and
// newInstance (a blank object of its own class), and has a default constructor
// that leaves every field zero or empty: the registry makes objects with it
// when loading, before load fills them.
class PersistentObject {
public:
    PersistentObject() = default;
    virtual ~PersistentObject() = default;

    virtual const char* className() const { return "PObject"; }
    virtual std::unique_ptr<PersistentObject> newInstance() const;

    // Reads the fields; the class name has already been read by whoever made
    // the object.
    virtual void load(ByteStream& s, const ClassRegistry& registry);
    // Writes the registered class name, then the fields. Raises TolvError when
    // the class is not registered, as such a record could never be read back.
    virtual void store(ByteStream& s, const ClassRegistry& registry) const;

    virtual bool isEqual(const PersistentObject& other) const;
    virtual bool isLess(const PersistentObject& other) const;
    virtual bool isGreater(const PersistentObject& other) const;

    // A new object of the same class with this one's contents (copyInto).
    virtual std::unique_ptr<PersistentObject> clone() const;
    virtual void assign(const PersistentObject& source);
    // Copies the contents this class knows of from source into dest; the
    // object it is called on chooses the class whose copy runs.
    virtual void copyInto(PersistentObject& dest, const PersistentObject& source) const;

protected:
    PersistentObject(const PersistentObject&) = default;
    PersistentObject& operator=(const PersistentObject&) = default;
};
