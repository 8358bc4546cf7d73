// A shared memory segment attached both here and in the X server, so images
// reach the server without travelling through the socket. Only a server on
// this machine can attach it; create() answers null otherwise.
#pragma once

#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace gui::x11 {

class ShmSegment {
public:
    static std::unique_ptr<ShmSegment> create(xcb_connection_t* connection, size_t size);
    ~ShmSegment();
    ShmSegment(const ShmSegment&) = delete;
    ShmSegment& operator=(const ShmSegment&) = delete;

    uint8_t* data() const { return data_; }
    size_t size() const { return size_; }
    xcb_shm_seg_t id() const { return segment_; }

private:
    ShmSegment(xcb_connection_t* connection, uint8_t* data, size_t size, xcb_shm_seg_t segment)
        : connection_(connection), data_(data), size_(size), segment_(segment) {}

    xcb_connection_t* connection_;
    uint8_t* data_;
    size_t size_;
    xcb_shm_seg_t segment_;
};

}  // namespace gui::x11
