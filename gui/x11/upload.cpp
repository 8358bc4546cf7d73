#include "gui/x11/upload.h"

#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace gui::x11 {

ImageArea clipArea(ImageArea area, int imageWidth, int imageHeight, int windowWidth,
                   int windowHeight) {
    const int right = std::min({area.x + area.width, imageWidth, windowWidth});
    const int bottom = std::min({area.y + area.height, imageHeight, windowHeight});
    const int left = std::max(area.x, 0);
    const int top = std::max(area.y, 0);
    if (right <= left || bottom <= top) return {};
    return {left, top, right - left, bottom - top};
}

namespace {

constexpr uint32_t kArgbRed = 0x00ff0000u;
constexpr uint32_t kArgbGreen = 0x0000ff00u;
constexpr uint32_t kArgbBlue = 0x000000ffu;
constexpr int kBitsPerByte = 8;
constexpr int kRedShift = 16;
constexpr int kGreenShift = 8;
constexpr int kAlphaShift = 24;
constexpr uint32_t kChannelMax = 0xffu;

bool hostIsBigEndian() {
    const uint16_t probe = 1;
    uint8_t first = 0;
    std::memcpy(&first, &probe, 1);
    return first == 0;
}

// Places an 8-bit channel value into the bits of `mask`, keeping its top bits.
uint32_t scaleIntoMask(uint32_t channel, uint32_t mask) {
    if (mask == 0) return 0;
    const int shift = __builtin_ctz(mask);
    const int bits = __builtin_popcount(mask);
    const uint32_t value = bits >= kBitsPerByte ? channel << (bits - kBitsPerByte)
                                                : channel >> (kBitsPerByte - bits);
    return (value << shift) & mask;
}

uint32_t packPixel(uint32_t argb, const PixelFormat& format) {
    return scaleIntoMask((argb >> kRedShift) & kChannelMax, format.redMask) |
           scaleIntoMask((argb >> kGreenShift) & kChannelMax, format.greenMask) |
           scaleIntoMask(argb & kChannelMax, format.blueMask) |
           scaleIntoMask(argb >> kAlphaShift, format.alphaMask);
}

void storePixel(uint32_t value, int bytes, bool msbFirst, uint8_t* out) {
    for (int i = 0; i < bytes; ++i) {
        const int byteIndex = msbFirst ? bytes - 1 - i : i;
        out[byteIndex] = static_cast<uint8_t>(value >> (i * kBitsPerByte));
    }
}

}  // namespace

bool isSupported(const PixelFormat& format) {
    return (format.bitsPerPixel == 16 || format.bitsPerPixel == 32) && format.scanlinePad > 0 &&
           format.scanlinePad % kBitsPerByte == 0;
}

bool isNativeArgb32(const PixelFormat& format) {
    const bool alphaFits = format.alphaMask == 0 || format.alphaMask == 0xff000000u;
    return format.bitsPerPixel == 32 && format.redMask == kArgbRed &&
           format.greenMask == kArgbGreen && format.blueMask == kArgbBlue && alphaFits &&
           format.msbFirst == hostIsBigEndian();
}

size_t bytesPerRow(const PixelFormat& format, int width) {
    const size_t bits = static_cast<size_t>(width) * static_cast<size_t>(format.bitsPerPixel);
    const size_t pad = static_cast<size_t>(format.scanlinePad);
    return (bits + pad - 1) / pad * pad / kBitsPerByte;
}

void packRow(const uint32_t* source, int count, const PixelFormat& format, uint8_t* destination) {
    if (isNativeArgb32(format)) {
        std::memcpy(destination, source, static_cast<size_t>(count) * sizeof(uint32_t));
        return;
    }
    const int bytes = format.bitsPerPixel / kBitsPerByte;
    for (int i = 0; i < count; ++i) {
        storePixel(packPixel(source[i], format), bytes, format.msbFirst, destination + i * bytes);
    }
}

namespace {

constexpr int kOwnerReadWrite = 0600;

bool serverHasShm(xcb_connection_t* connection) {
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_shm_id);
    if (extension == nullptr || !extension->present) return false;
    auto* version = xcb_shm_query_version_reply(connection, xcb_shm_query_version(connection),
                                                nullptr);
    free(version);
    return version != nullptr;
}

// Attaches the segment in the server and waits for its answer.
bool attachInServer(xcb_connection_t* connection, xcb_shm_seg_t segment, int shmId) {
    xcb_generic_error_t* error = xcb_request_check(
        connection, xcb_shm_attach_checked(connection, segment, static_cast<uint32_t>(shmId), 1));
    free(error);
    return error == nullptr;
}

}  // namespace

std::unique_ptr<ShmSegment> ShmSegment::create(xcb_connection_t* connection, size_t size) {
    if (size == 0 || !serverHasShm(connection)) return nullptr;
    const int shmId = shmget(IPC_PRIVATE, size, IPC_CREAT | kOwnerReadWrite);
    if (shmId < 0) return nullptr;
    void* address = shmat(shmId, nullptr, 0);
    const xcb_shm_seg_t segment = xcb_generate_id(connection);
    const bool attached = address != reinterpret_cast<void*>(-1) &&
                          attachInServer(connection, segment, shmId);
    // Marked for removal at once: the system frees it when both sides detach,
    // even if this process dies.
    shmctl(shmId, IPC_RMID, nullptr);
    if (!attached) {
        if (address != reinterpret_cast<void*>(-1)) shmdt(address);
        return nullptr;
    }
    return std::unique_ptr<ShmSegment>(
        new ShmSegment(connection, static_cast<uint8_t*>(address), size, segment));
}

ShmSegment::~ShmSegment() {
    xcb_shm_detach(connection_, segment_);
    xcb_flush(connection_);
    shmdt(data_);
}

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

void ImageUploader::upload(const PixelView& image, const ImageArea* areas, size_t count) {
    if (image.pixels == nullptr || !isSupported(target_.format)) return;
    std::lock_guard<std::mutex> lock(mutex_);
    bool sent = false;
    for (size_t i = 0; i < count; ++i) {
        const ImageArea area =
            clipArea(areas[i], image.width, image.height, target_.width, target_.height);
        if (area.isEmpty()) continue;
        if (shm_) {
            uploadThroughShm(image, area);
        } else {
            uploadThroughSocket(image, area);
        }
        sent = true;
    }
    if (sent) xcb_flush(connection_);
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
    const size_t bytes = bytesPerRow(target_.format, area.width) * static_cast<size_t>(area.height);
    if (shmUsedBytes_ + bytes > shm_->size()) {
        // A part of the segment is written again only after the server has
        // answered a request sent behind every image in it, so the next
        // image never tears one still being read.
        waitUntilServerReadShm();
        shmUsedBytes_ = 0;
    }
    const size_t offset = shmUsedBytes_;
    packArea(image, area, shm_->data() + offset);
    shmUsedBytes_ += bytes;
    xcb_shm_put_image(connection_, target_.window, gc_, static_cast<uint16_t>(area.width),
                      static_cast<uint16_t>(area.height), 0, 0,
                      static_cast<uint16_t>(area.width), static_cast<uint16_t>(area.height),
                      static_cast<int16_t>(area.x), static_cast<int16_t>(area.y), target_.depth,
                      XCB_IMAGE_FORMAT_Z_PIXMAP, 0, shm_->id(), static_cast<uint32_t>(offset));
    // Only the answer behind the latest image matters: it comes after the
    // server has read all the earlier ones.
    if (shmReadPending_) xcb_discard_reply(connection_, shmReadCookie_.sequence);
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
