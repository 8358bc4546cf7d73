// Puts areas of the editor's ARGB32 image into the window: through a shared
// memory segment when the server is on this machine, through the socket
// otherwise. Safe to call from any thread; one upload runs at a time.
#pragma once

#include "gui/platform_window.h"
#include "gui/x11/image_area.h"
#include "gui/x11/pixel_format.h"
#include "gui/x11/shm_segment.h"

#include <xcb/xcb.h>

#include <memory>
#include <mutex>
#include <vector>

namespace gui::x11 {

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

    void upload(const PixelView& image, ImageArea area);
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
    bool shmReadPending_ = false;
    xcb_get_input_focus_cookie_t shmReadCookie_{};
};

}  // namespace gui::x11
