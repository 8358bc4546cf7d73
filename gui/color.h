// Colours as 8-bit red, green, blue and alpha (255 opaque), not premultiplied.
#pragma once

#include <cstdint>

struct CColor {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t alpha = 255;

    constexpr bool operator==(const CColor& o) const {
        return red == o.red && green == o.green && blue == o.blue && alpha == o.alpha;
    }
    constexpr bool operator!=(const CColor& o) const { return !(*this == o); }
};

constexpr CColor MakeCColor(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha = 255) {
    return CColor{red, green, blue, alpha};
}

inline constexpr CColor kTransparentCColor = MakeCColor(255, 255, 255, 0);
inline constexpr CColor kBlackCColor = MakeCColor(0, 0, 0);
inline constexpr CColor kWhiteCColor = MakeCColor(255, 255, 255);
inline constexpr CColor kGreyCColor = MakeCColor(127, 127, 127);
inline constexpr CColor kRedCColor = MakeCColor(255, 0, 0);
inline constexpr CColor kGreenCColor = MakeCColor(0, 255, 0);
inline constexpr CColor kBlueCColor = MakeCColor(0, 0, 255);
inline constexpr CColor kYellowCColor = MakeCColor(255, 255, 0);
inline constexpr CColor kCyanCColor = MakeCColor(0, 255, 255);
inline constexpr CColor kMagentaCColor = MakeCColor(255, 0, 255);
