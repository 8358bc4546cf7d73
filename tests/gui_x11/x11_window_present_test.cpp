// What the editor presents is what the window shows, read back from the
// server; exposure asks the editor to present again.
#include "window_fixture.h"

#include <chrono>
#include <thread>

namespace gui::x11::test {
namespace {

constexpr uint32_t kOpaque = 0xff000000u;
constexpr uint32_t kRgbMask = 0x00ffffffu;
constexpr auto kReadBackTimeout = std::chrono::seconds(5);

// An opaque pattern where every pixel differs from its neighbours, with one
// half-transparent (premultiplied) row.
std::vector<uint32_t> patternImage(int width, int height, int stride, uint32_t seed) {
    std::vector<uint32_t> pixels(static_cast<size_t>(stride) * height, 0xdeadbeefu);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t r = (x * 7 + seed) & 0xff, g = (y * 5 + seed) & 0xff, b = (x + y) & 0xff;
            pixels[static_cast<size_t>(y) * stride + x] = kOpaque | r << 16 | g << 8 | b;
        }
    }
    const int translucentRow = height / 2;
    for (int x = 0; x < width; ++x) {
        pixels[static_cast<size_t>(translucentRow) * stride + x] = 0x80402010u;
    }
    return pixels;
}

uint32_t at(const std::vector<uint32_t>& pixels, int stride, int x, int y) {
    return pixels[static_cast<size_t>(y) * stride + x];
}

// Polls the window until it shows `expected` (compared under `mask`): the
// server may handle our read before the window's own connection's upload.
std::vector<uint32_t> readBackUntil(TestDisplay& display, xcb_window_t window,
                                    const std::vector<uint32_t>& expected, uint32_t mask) {
    const auto deadline = std::chrono::steady_clock::now() + kReadBackTimeout;
    std::vector<uint32_t> shown;
    for (;;) {
        shown = display.readPixels(window, 0, 0, kEditorWidth, kEditorHeight);
        bool same = shown.size() == expected.size();
        for (size_t i = 0; same && i < shown.size(); ++i) same = ((shown[i] ^ expected[i]) & mask) == 0;
        if (same || std::chrono::steady_clock::now() > deadline) return shown;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

size_t countDifferences(const std::vector<uint32_t>& shown, const std::vector<uint32_t>& expected,
                        uint32_t mask) {
    if (shown.size() != expected.size()) return expected.size();
    size_t differences = 0;
    for (size_t i = 0; i < shown.size(); ++i) differences += ((shown[i] ^ expected[i]) & mask) != 0;
    return differences;
}

class X11WindowPresentTest : public WindowFixture {
protected:
    void openEditor(xcb_window_t parent) {
        window_ = openIn(parent, listener_, &child_);
        ASSERT_NE(window_, nullptr);
    }

    void presentAll(const std::vector<uint32_t>& pixels, int stride) {
        window_->present({pixels.data(), kEditorWidth, kEditorHeight, stride}, 0, 0, kEditorWidth,
                         kEditorHeight);
    }

    RecordingListener listener_;
    std::unique_ptr<PlatformWindow> window_;
    xcb_window_t child_ = XCB_NONE;
};

TEST_F(X11WindowPresentTest, ShowsThePresentedImage) {
    openEditor(parent_);
    const auto image = patternImage(kEditorWidth, kEditorHeight, kEditorWidth, 0);
    presentAll(image, kEditorWidth);
    const auto shown = readBackUntil(*display_, child_, image, kRgbMask);
    EXPECT_EQ(countDifferences(shown, image, kRgbMask), 0u);
}

TEST_F(X11WindowPresentTest, PresentingAnAreaChangesOnlyThatArea) {
    openEditor(parent_);
    const int stride = kEditorWidth + 7;
    const auto before = patternImage(kEditorWidth, kEditorHeight, stride, 0);
    const auto after = patternImage(kEditorWidth, kEditorHeight, stride, 99);
    presentAll(before, stride);

    const int areaX = 10, areaY = 20, areaWidth = 50, areaHeight = 40;
    window_->present({after.data(), kEditorWidth, kEditorHeight, stride}, areaX, areaY, areaWidth,
                     areaHeight);
    std::vector<uint32_t> expected(static_cast<size_t>(kEditorWidth) * kEditorHeight);
    for (int y = 0; y < kEditorHeight; ++y) {
        for (int x = 0; x < kEditorWidth; ++x) {
            const bool inside = x >= areaX && x < areaX + areaWidth && y >= areaY &&
                                y < areaY + areaHeight;
            expected[static_cast<size_t>(y) * kEditorWidth + x] =
                at(inside ? after : before, stride, x, y);
        }
    }
    const auto shown = readBackUntil(*display_, child_, expected, kRgbMask);
    EXPECT_EQ(countDifferences(shown, expected, kRgbMask), 0u);
}

TEST_F(X11WindowPresentTest, KeepsPremultipliedAlphaInA32BitWindow) {
    const xcb_window_t alphaParent = display_->createAlphaParent(kParentWidth, kParentHeight);
    if (alphaParent == XCB_NONE) GTEST_SKIP() << "the screen has no 32-bit visual";
    openEditor(alphaParent);
    const auto image = patternImage(kEditorWidth, kEditorHeight, kEditorWidth, 3);
    presentAll(image, kEditorWidth);
    const auto shown = readBackUntil(*display_, child_, image, ~0u);
    EXPECT_EQ(countDifferences(shown, image, ~0u), 0u);
}

TEST_F(X11WindowPresentTest, MappingExposesTheWholeWindow) {
    openEditor(parent_);
    const auto exposed = listener_.waitFor(kindIs(ListenerCall::kExposed));
    ASSERT_TRUE(exposed);
    EXPECT_EQ(exposed->x, 0);
    EXPECT_EQ(exposed->y, 0);
    EXPECT_EQ(exposed->width, kEditorWidth);
    EXPECT_EQ(exposed->height, kEditorHeight);
}

TEST_F(X11WindowPresentTest, UncoveringExposesTheCoveredArea) {
    openEditor(parent_);
    ASSERT_TRUE(listener_.waitFor(kindIs(ListenerCall::kExposed)));
    listener_.clear();
    const xcb_window_t cover = display_->createParent(40, 50, 30, 20);
    display_->destroyWindow(cover);
    const auto exposed = listener_.waitFor(kindIs(ListenerCall::kExposed));
    ASSERT_TRUE(exposed);
    EXPECT_EQ(exposed->x, 40);
    EXPECT_EQ(exposed->y, 50);
    EXPECT_EQ(exposed->width, 30);
    EXPECT_EQ(exposed->height, 20);
}

}  // namespace
}  // namespace gui::x11::test
