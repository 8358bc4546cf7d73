// Packing ARGB32 rows into the server's pixel layouts, and clipping areas.
#include "gui/x11/upload.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace gui::x11 {
namespace {

constexpr uint32_t kRed = 0xffff0000u, kGreen = 0xff00ff00u, kBlue = 0xff0000ffu;
constexpr uint32_t kWhite = 0xffffffffu, kHalfGrey = 0x80808080u;

PixelFormat rgb565(bool msbFirst) {
    PixelFormat format;
    format.bitsPerPixel = 16;
    format.redMask = 0xf800;
    format.greenMask = 0x07e0;
    format.blueMask = 0x001f;
    format.msbFirst = msbFirst;
    return format;
}

std::vector<uint8_t> pack(const std::vector<uint32_t>& row, const PixelFormat& format) {
    std::vector<uint8_t> out(bytesPerRow(format, static_cast<int>(row.size())), 0xaa);
    packRow(row.data(), static_cast<int>(row.size()), format, out.data());
    return out;
}

TEST(PixelFormat, CommonTrueColourTakesRowsUnchanged) {
    PixelFormat format;  // 24-bit depth in 32-bit pixels, least significant byte first
    ASSERT_TRUE(isNativeArgb32(format));
    const std::vector<uint32_t> row = {kRed, kGreen, kBlue, kHalfGrey};
    const auto out = pack(row, format);
    ASSERT_EQ(out.size(), row.size() * 4);
    EXPECT_EQ(std::memcmp(out.data(), row.data(), out.size()), 0);
}

TEST(PixelFormat, MostSignificantByteFirstServerGetsSwappedBytes) {
    PixelFormat format;
    format.msbFirst = true;
    EXPECT_FALSE(isNativeArgb32(format));
    const auto out = pack({0xff123456u}, format);
    EXPECT_EQ(out, (std::vector<uint8_t>{0x00, 0x12, 0x34, 0x56}));
}

TEST(PixelFormat, AlphaGoesIntoThirtyTwoBitWindowsOnly) {
    PixelFormat withAlpha;
    withAlpha.alphaMask = 0xff000000u;
    PixelFormat swappedWithAlpha = withAlpha;
    swappedWithAlpha.msbFirst = true;
    EXPECT_EQ(pack({kHalfGrey}, swappedWithAlpha), (std::vector<uint8_t>{0x80, 0x80, 0x80, 0x80}));
    PixelFormat swappedOpaque = swappedWithAlpha;
    swappedOpaque.alphaMask = 0;
    EXPECT_EQ(pack({kHalfGrey}, swappedOpaque), (std::vector<uint8_t>{0x00, 0x80, 0x80, 0x80}));
}

TEST(PixelFormat, SixteenBitPixelsKeepTheTopBitsOfEachChannel) {
    const auto lsb = pack({kRed, kGreen, kBlue, kWhite, 0xff080400u}, rgb565(false));
    // Five pixels, then the row's padding to 32 bits, left as it was.
    EXPECT_EQ(lsb, (std::vector<uint8_t>{0x00, 0xf8, 0xe0, 0x07, 0x1f, 0x00, 0xff, 0xff, 0x20,
                                         0x08, 0xaa, 0xaa}));
    const auto msb = pack({kRed}, rgb565(true));
    EXPECT_EQ(msb[0], 0xf8);
    EXPECT_EQ(msb[1], 0x00);
}

TEST(ImageArea, ClipsToImageAndWindow) {
    const ImageArea inside = clipArea({10, 20, 30, 40}, 100, 100, 100, 100);
    EXPECT_EQ(inside.x, 10);
    EXPECT_EQ(inside.y, 20);
    EXPECT_EQ(inside.width, 30);
    EXPECT_EQ(inside.height, 40);

    const ImageArea overhanging = clipArea({-5, 90, 20, 20}, 100, 95, 200, 200);
    EXPECT_EQ(overhanging.x, 0);
    EXPECT_EQ(overhanging.y, 90);
    EXPECT_EQ(overhanging.width, 15);
    EXPECT_EQ(overhanging.height, 5);

    const ImageArea windowBound = clipArea({0, 0, 400, 400}, 400, 400, 302, 343);
    EXPECT_EQ(windowBound.width, 302);
    EXPECT_EQ(windowBound.height, 343);
}

TEST(ImageArea, NothingLeftIsEmpty) {
    EXPECT_TRUE(clipArea({100, 0, 10, 10}, 100, 100, 100, 100).isEmpty());
    EXPECT_TRUE(clipArea({-20, 0, 10, 10}, 100, 100, 100, 100).isEmpty());
    EXPECT_TRUE(clipArea({0, 0, 0, 10}, 100, 100, 100, 100).isEmpty());
    EXPECT_TRUE(clipArea({0, 0, 10, 10}, 0, 0, 100, 100).isEmpty());
}

}  // namespace
}  // namespace gui::x11
