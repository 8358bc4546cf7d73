#include "gui/x11/image_uploader.h"

#include <algorithm>
#include <cstdlib>

namespace gui::x11 {
namespace {

constexpr size_t kBytesPerRequestUnit = 4;
constexpr size_t kPutImageHeaderBytes = 24;

size_t maximumRequestBytes(xcb_connection_t* connection) {
    return static_cast<size_t>(xcb_get_maximum_request_length(connection)) * kBytesPerRequestUnit;
}

}  // namespace

ImageUploader::ImageUploader(xcb_connection_t* connection, const UploadTarget& target,
                             const UploadOptions& options)
    : connection_(connection),
      target_(target),
      gc_(xcb_generate_id(connection)),
      maxRequestBytes_(options.maxRequestBytes != 0 ? options.maxRequestBytes
                                                    : maximumRequestBytes(connection)) {
    xcb_create_gc(connection_, gc_, target_.window, 0, nullptr);
    if (options.allowSharedMemory && isSupported(target_.format)) {
        const size_t size = bytesPerRow(target_.format, target_.width) *
                            static_cast<size_t>(target_.height);
        shm_ = ShmSegment::create(connection_, size);
    }
}

ImageUploader::~ImageUploader() {
    waitUntilServerReadShm();
    shm_.reset();
    xcb_free_gc(connection_, gc_);
    xcb_flush(connection_);
}

void ImageUploader::upload(const PixelView& image, ImageArea area) {
    if (image.pixels == nullptr || !isSupported(target_.format)) return;
    area = clipArea(area, image.width, image.height, target_.width, target_.height);
    if (area.isEmpty()) return;
    std::lock_guard<std::mutex> lock(mutex_);
    if (shm_) {
        uploadThroughShm(image, area);
    } else {
        uploadThroughSocket(image, area);
    }
    xcb_flush(connection_);
}

void ImageUploader::packArea(const PixelView& image, ImageArea area, uint8_t* destination) const {
    const size_t rowBytes = bytesPerRow(target_.format, area.width);
    for (int row = 0; row < area.height; ++row) {
        const uint32_t* source = image.pixels +
                                 static_cast<ptrdiff_t>(area.y + row) * image.stridePixels +
                                 area.x;
        packRow(source, area.width, target_.format, destination + row * rowBytes);
    }
}

void ImageUploader::uploadThroughShm(const PixelView& image, ImageArea area) {
    waitUntilServerReadShm();
    packArea(image, area, shm_->data());
    xcb_shm_put_image(connection_, target_.window, gc_, static_cast<uint16_t>(area.width),
                      static_cast<uint16_t>(area.height), 0, 0,
                      static_cast<uint16_t>(area.width), static_cast<uint16_t>(area.height),
                      static_cast<int16_t>(area.x), static_cast<int16_t>(area.y), target_.depth,
                      XCB_IMAGE_FORMAT_Z_PIXMAP, 0, shm_->id(), 0);
    // The segment is written again only after the server has answered a
    // request sent behind this one, so the next image never tears this one.
    shmReadCookie_ = xcb_get_input_focus(connection_);
    shmReadPending_ = true;
}

void ImageUploader::uploadThroughSocket(const PixelView& image, ImageArea area) {
    const size_t rowBytes = bytesPerRow(target_.format, area.width);
    const size_t room = maxRequestBytes_ > kPutImageHeaderBytes
                            ? maxRequestBytes_ - kPutImageHeaderBytes
                            : 0;
    const size_t rowsThatFit = std::min(room / rowBytes, static_cast<size_t>(area.height));
    const int rowsPerRequest = std::max(1, static_cast<int>(rowsThatFit));
    staging_.resize(rowBytes * static_cast<size_t>(area.height));
    packArea(image, area, staging_.data());
    for (int row = 0; row < area.height; row += rowsPerRequest) {
        const ImageArea band{area.x, area.y + row, area.width,
                             std::min(rowsPerRequest, area.height - row)};
        putRows(band, staging_.data() + static_cast<size_t>(row) * rowBytes);
    }
}

void ImageUploader::putRows(ImageArea band, const uint8_t* rows) {
    const size_t bytes = bytesPerRow(target_.format, band.width) * static_cast<size_t>(band.height);
    xcb_put_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, target_.window, gc_,
                  static_cast<uint16_t>(band.width), static_cast<uint16_t>(band.height),
                  static_cast<int16_t>(band.x), static_cast<int16_t>(band.y), 0, target_.depth,
                  static_cast<uint32_t>(bytes), rows);
}

void ImageUploader::waitUntilServerReadShm() {
    if (!shmReadPending_) return;
    shmReadPending_ = false;
    free(xcb_get_input_focus_reply(connection_, shmReadCookie_, nullptr));
}

}  // namespace gui::x11
