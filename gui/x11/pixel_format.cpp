#include "gui/x11/pixel_format.h"

#include <cstring>

namespace gui::x11 {
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

}  // namespace gui::x11
