// A member that holds one reference on a CBaseObject: it remembers what it is
// given and forgets it when replaced or destroyed, so a class holding its
// bitmaps and fonts this way copies correctly with its default copy.
#pragma once

#include <utility>

template <class T>
class SharedPointer {
public:
    SharedPointer() = default;
    SharedPointer(T* object) : object_(object) {  // NOLINT: implicit on purpose
        if (object_) object_->remember();
    }
    SharedPointer(const SharedPointer& other) : SharedPointer(other.object_) {}
    SharedPointer(SharedPointer&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ~SharedPointer() {
        if (object_) object_->forget();
    }
    SharedPointer& operator=(SharedPointer other) noexcept {
        std::swap(object_, other.object_);
        return *this;
    }

    T* get() const { return object_; }
    T* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

private:
    T* object_ = nullptr;
};
