// How the server wants a window's pixels laid out in an image request, and
// the packing of premultiplied ARGB32 rows into that layout.
#pragma once

#include <cstddef>
#include <cstdint>

namespace gui::x11 {

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

}  // namespace gui::x11
