// Root of every widget-layer object: a reference count that starts at one.
// remember() adds a reference, forget() drops one and deletes the object with
// the last. A container that is handed an object takes over the caller's
// reference. isTypeOf and newCopy give a name test and a copy by class.
//
// The count is a plain integer, so one object is counted on one thread at a
// time. Objects of the whole process that every editor shares from its own
// thread (the standard fonts) are made uncounted instead: remember and forget
// leave them alone, and they live as long as the library.
#pragma once

#include <cstdint>
#include <cstring>

class CBaseObject {
public:
    CBaseObject() = default;
    // A copy is a new object with a reference count of its own.
    CBaseObject(const CBaseObject&) {}
    CBaseObject& operator=(const CBaseObject&) { return *this; }
    virtual ~CBaseObject() = default;

    void remember() {
        if (counted_) ++nbReference_;
    }
    void forget() {
        if (counted_ && nbReference_ > 0 && --nbReference_ == 0) delete this;
    }
    int32_t getNbReference() const { return nbReference_; }

    virtual bool isTypeOf(const char* name) const { return std::strcmp(name, "CBaseObject") == 0; }
    // A new object equal to this one, or null for classes that cannot be copied.
    virtual CBaseObject* newCopy() const { return nullptr; }

protected:
    struct Uncounted {};
    // For objects of static lifetime only.
    explicit CBaseObject(Uncounted) : counted_(false) {}

private:
    int32_t nbReference_ = 1;
    bool counted_ = true;  // set at construction, never changed
};

// Declares isTypeOf and newCopy for a class `name` derived from `parent`;
// newCopy uses the class's copy constructor.
#define CLASS_METHODS(name, parent)                                          \
    bool isTypeOf(const char* typeName) const override {                     \
        return std::strcmp(typeName, #name) == 0 || parent::isTypeOf(typeName); \
    }                                                                        \
    CBaseObject* newCopy() const override { return new name(*this); }

// The same for classes that are not copied.
#define CLASS_METHODS_NOCOPY(name, parent)                                   \
    bool isTypeOf(const char* typeName) const override {                     \
        return std::strcmp(typeName, #name) == 0 || parent::isTypeOf(typeName); \
    }                                                                        \
    CBaseObject* newCopy() const override { return nullptr; }
