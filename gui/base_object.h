// Root of every widget-layer object: a reference count that starts at one.
// remember() adds a reference, forget() drops one and deletes the object with
// the last. A container that is handed an object takes over the caller's
// reference. isTypeOf and newCopy give a name test and a copy by class.
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

    void remember() { ++nbReference_; }
    void forget() {
        if (nbReference_ > 0 && --nbReference_ == 0) delete this;
    }
    int32_t getNbReference() const { return nbReference_; }

    virtual bool isTypeOf(const char* name) const { return std::strcmp(name, "CBaseObject") == 0; }
    // A new object equal to this one, or null for classes that cannot be copied.
    virtual CBaseObject* newCopy() const { return nullptr; }

private:
    int32_t nbReference_ = 1;
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
