// The editor's pixels on their way into its window.
#pragma once

#include "gui/platform_window.h"

#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace gui::x11 {

// A rectangle of pixels, and its clipping to what both the image and the
// window hold.
using ImageArea = WindowArea;

// The part of `area` inside both the image and the window, which share their
// origin; empty when nothing is left.
ImageArea clipArea(ImageArea area, int imageWidth, int imageHeight, int windowWidth,
                   int windowHeight);

// How the server wants a window's pixels laid out in an image request, and
// the packing of premultiplied ARGB32 rows into that layout.
struct PixelFormat {
    int bitsPerPixel = 32;  // 16 or 32 are supported
    int scanlinePad = 32;   // in bits
    uint32_t redMask = 0x00ff0000u;
    uint32_t greenMask = 0x0000ff00u;
    uint32_t blueMask = 0x000000ffu;
    uint32_t alphaMask = 0;   // non-zero for windows with an alpha channel (depth 32)
    bool msbFirst = false;    // the server's image byte order
};

bool isSupported(const PixelFormat& format);

// True when ARGB32 in this machine's byte order is already the server's layout,
// so rows are copied as they are.
bool isNativeArgb32(const PixelFormat& format);

size_t bytesPerRow(const PixelFormat& format, int width);

// Writes `count` pixels of `source` into `destination` in the server's layout.
void packRow(const uint32_t* source, int count, const PixelFormat& format, uint8_t* destination);

// A shared memory segment attached both here and in the X server, so images
// reach the server without travelling through the socket. Only a server on
// this machine can attach it; create() answers null otherwise.
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

// Puts areas of the editor's ARGB32 image into the window: through a shared
// memory segment when the server is on this machine, through the socket
// otherwise. Safe to call from any thread; one upload runs at a time.
// Successive areas fill the segment one after the other, so several small
// areas of one picture go out without waiting for the server in between; it
// waits only before writing over a part the server may not have read yet.
struct UploadTarget {
    xcb_window_t window;
    uint8_t depth;
    PixelFormat format;
    int width;
    int height;
};

// How images may travel; the defaults take the fastest way the server allows.
struct UploadOptions {
    bool allowSharedMemory = true;
    size_t maxRequestBytes = 0;  // 0: the server's own limit
};

class ImageUploader {
public:
    ImageUploader(xcb_connection_t* connection, const UploadTarget& target,
                  const UploadOptions& options = {});
    ~ImageUploader();
    ImageUploader(const ImageUploader&) = delete;
    ImageUploader& operator=(const ImageUploader&) = delete;

    void upload(const PixelView& image, ImageArea area) { upload(image, &area, 1); }
    // Several areas of one image, sent to the server together.
    void upload(const PixelView& image, const ImageArea* areas, size_t count);
    bool usesSharedMemory() const { return shm_ != nullptr; }

private:
    void packArea(const PixelView& image, ImageArea area, uint8_t* destination) const;
    void uploadThroughShm(const PixelView& image, ImageArea area);
    void uploadThroughSocket(const PixelView& image, ImageArea area);
    void putRows(ImageArea band, const uint8_t* rows);
    void waitUntilServerReadShm();

    xcb_connection_t* connection_;
    UploadTarget target_;
    xcb_gcontext_t gc_;
    size_t maxRequestBytes_;
    std::unique_ptr<ShmSegment> shm_;

    std::mutex mutex_;
    std::vector<uint8_t> staging_;
    size_t shmUsedBytes_ = 0;  // written since the server last read everything
    bool shmReadPending_ = false;
    xcb_get_input_focus_cookie_t shmReadCookie_{};
};

}  // namespace gui::x11
