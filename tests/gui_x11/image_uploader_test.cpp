// The two ways pixels reach a window, each read back on the same connection
// (so the server has handled the upload before the read).
#include "gui/x11/upload.h"
#include "test_display.h"

#include <gtest/gtest.h>

#include <vector>

namespace gui::x11::test {
namespace {

constexpr int kWidth = 97;
constexpr int kHeight = 50;
constexpr uint32_t kRgbMask = 0x00ffffffu;
constexpr size_t kPutImageHeaderBytes = 24;

std::vector<uint32_t> gradient(int width, int height) {
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels[static_cast<size_t>(y) * width + x] =
                0xff000000u | (x * 3 & 0xff) << 16 | (y * 5 & 0xff) << 8 | ((x ^ y) & 0xff);
        }
    }
    return pixels;
}

size_t differencesInWindow(const std::vector<uint32_t>& shown, const std::vector<uint32_t>& image,
                           int imageStride) {
    if (shown.size() != static_cast<size_t>(kWidth) * kHeight) return shown.size() + 1;
    size_t differences = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const uint32_t expected = image[static_cast<size_t>(y) * imageStride + x];
            differences += ((shown[static_cast<size_t>(y) * kWidth + x] ^ expected) & kRgbMask) != 0;
        }
    }
    return differences;
}

class ImageUploaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        display_ = TestDisplay::connect();
        if (!display_) GTEST_SKIP() << "no X display; run under xvfb-run";
        window_ = display_->createParent(0, 0, kWidth, kHeight);
    }

    UploadTarget target(PixelFormat format = {}) const {
        return {window_, display_->depthOf(window_), format, kWidth, kHeight};
    }

    std::vector<uint32_t> shown() { return display_->readPixels(window_, 0, 0, kWidth, kHeight); }

    std::unique_ptr<TestDisplay> display_;
    xcb_window_t window_ = XCB_NONE;
};

TEST_F(ImageUploaderTest, SharedMemoryIsUsedOnALocalServer) {
    ImageUploader uploader(display_->connection(), target());
    EXPECT_TRUE(uploader.usesSharedMemory());
    const auto image = gradient(kWidth, kHeight);
    uploader.upload({image.data(), kWidth, kHeight, kWidth}, {0, 0, kWidth, kHeight});
    display_->sync();
    EXPECT_EQ(differencesInWindow(shown(), image, kWidth), 0u);
}

TEST_F(ImageUploaderTest, SocketUploadSplitsIntoRequestsThatFit) {
    // Three rows per request, so the last request carries the two left over.
    const size_t rowBytes = static_cast<size_t>(kWidth) * sizeof(uint32_t);
    ImageUploader uploader(display_->connection(), target(),
                           {false, kPutImageHeaderBytes + 3 * rowBytes + 5});
    ASSERT_FALSE(uploader.usesSharedMemory());
    const auto image = gradient(kWidth, kHeight);
    uploader.upload({image.data(), kWidth, kHeight, kWidth}, {0, 0, kWidth, kHeight});
    EXPECT_EQ(differencesInWindow(shown(), image, kWidth), 0u);
}

TEST_F(ImageUploaderTest, ImageLargerThanTheWindowIsClippedToIt) {
    const int bigWidth = kWidth * 3, bigHeight = kHeight * 3;
    const auto image = gradient(bigWidth, bigHeight);
    for (bool sharedMemory : {true, false}) {
        ImageUploader uploader(display_->connection(), target(), {sharedMemory, 0});
        uploader.upload({image.data(), bigWidth, bigHeight, bigWidth}, {0, 0, bigWidth, bigHeight});
        display_->sync();
        EXPECT_EQ(differencesInWindow(shown(), image, bigWidth), 0u) << "shm " << sharedMemory;
    }
}

TEST_F(ImageUploaderTest, ManyAreasInARowEachLandWhereTheyBelong) {
    // Bands of 7 rows, some sent together, over three pictures: the shared
    // segment fills up and is reused several times on the way.
    ImageUploader uploader(display_->connection(), target());
    std::vector<uint32_t> image;
    for (int picture = 0; picture < 3; ++picture) {
        image = gradient(kWidth, kHeight);
        for (uint32_t& pixel : image) pixel ^= static_cast<uint32_t>(picture) * 0x00404040u;
        const PixelView view{image.data(), kWidth, kHeight, kWidth};
        for (int top = 0; top < kHeight; top += 14) {
            const ImageArea bands[] = {{0, top, kWidth, 7}, {0, top + 7, kWidth, 7}};
            uploader.upload(view, bands, top % 28 == 0 ? 2 : 1);
            if (top % 28 != 0) uploader.upload(view, bands[1]);
        }
    }
    display_->sync();
    EXPECT_EQ(differencesInWindow(shown(), image, kWidth), 0u);
}

TEST_F(ImageUploaderTest, UnsupportedPixelLayoutDrawsNothing) {
    PixelFormat indexed;
    indexed.bitsPerPixel = 0;
    ImageUploader uploader(display_->connection(), target(indexed));
    const std::vector<uint32_t> white(static_cast<size_t>(kWidth) * kHeight, 0xffffffffu);
    uploader.upload({white.data(), kWidth, kHeight, kWidth}, {0, 0, kWidth, kHeight});
    const std::vector<uint32_t> black(white.size(), 0);
    EXPECT_EQ(differencesInWindow(shown(), black, kWidth), 0u);
}

}  // namespace
}  // namespace gui::x11::test
