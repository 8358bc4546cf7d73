// kvx shot: the command-line host's picture of an editor is the face that
// the editor draws for the same settings.
#include <cairo.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/editor/editor_test_support.h"

using namespace edtest;

namespace {

// kvx unloads the plug-in before it exits, and with it the widget layer's
// font caches, which a leak checker then reports as lost; leaks are checked
// in this process instead, where the same code runs without unloading.
int runKvx(const std::string& arguments) {
    const std::string command = "ASAN_OPTIONS=detect_leaks=0 " + std::string(KV_KVX_TOOL) + " " +
                                arguments + " > /dev/null 2>&1";
    return std::system(command.c_str());
}

std::vector<uint32_t> pngPixels(const std::string& path) {
    cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
    std::vector<uint32_t> pixels;
    if (cairo_surface_status(png) == CAIRO_STATUS_SUCCESS) {
        const gui::PixelView view{
            reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(png)),
            cairo_image_surface_get_width(png), cairo_image_surface_get_height(png),
            cairo_image_surface_get_stride(png) / 4};
        pixels = pixelsOf(view, CRect(0, 0, view.width, view.height));
    }
    cairo_surface_destroy(png);
    return pixels;
}

using KvxShot = SolvaneEditorTest;

TEST_F(KvxShot, DrawsTheFaceOfTheSettingsGiven) {
    const std::string path = ::testing::TempDir() + "/kvx_shot.png";
    std::remove(path.c_str());
    ASSERT_EQ(runKvx("shot " KV_PLUGIN_DIR "/solvane.so " + path +
                     " --set width=0.8 --set 6=1 --set balance=0.3"),
              0);
    const std::vector<uint32_t> shot = pngPixels(path);
    ASSERT_EQ(shot.size(), static_cast<size_t>(kFaceWidth * kFaceHeight));

    effect->setParameter(0, 0.8f);
    effect->setParameter(6, 1.f);
    effect->setParameter(2, 0.3f);
    CFrame* frame = openHeadless();
    editor->idle();
    EXPECT_EQ(shot, pixelsOf(frame->getBackBuffer(), CRect(0, 0, kFaceWidth, kFaceHeight)));
    EXPECT_EQ(textOf(viewWithRect(frame, CRect(258, 55, 322, 72))), "256%");
    std::remove(path.c_str());
}

TEST_F(KvxShot, FailsWithoutAWritableFileOrWithBadArguments) {
    EXPECT_NE(runKvx("shot " KV_PLUGIN_DIR "/solvane.so /nonexistent/folder/face.png"), 0);
    EXPECT_NE(runKvx("shot " KV_PLUGIN_DIR "/solvane.so"), 0);
    EXPECT_NE(runKvx("shot " KV_PLUGIN_DIR "/solvane.so /tmp/x.png --set width=2"), 0);
    EXPECT_NE(runKvx("shot " KV_PLUGIN_DIR "/solvane.so /tmp/x.png --size 2"), 0);
    EXPECT_NE(runKvx("shot " KV_PLUGIN_DIR "/scopra.so /tmp/x.png --signal"), 0);
    EXPECT_NE(runKvx("shot " KV_PLUGIN_DIR "/scopra.so /tmp/x.png --signal /nonexistent.wav"), 0);
}

TEST(KvxShotSignal, ShowsTheDemoOnScoprasGoniometerAndMeters) {
    const std::string path = ::testing::TempDir() + "/kvx_shot_scopra.png";
    std::remove(path.c_str());
    ASSERT_EQ(runKvx("shot " KV_PLUGIN_DIR "/scopra.so " + path + " --signal demo"), 0);
    const std::vector<uint32_t> shot = pngPixels(path);
    constexpr int kWidth = 302;
    ASSERT_EQ(shot.size(), static_cast<size_t>(kWidth * 214));
    int brightPoints = 0;
    for (uint32_t pixel : shot) brightPoints += pixel == 0xff08ff31u;  // the goniometer's pen
    EXPECT_GT(brightPoints, 50);
    // Meter 1 (15, 29, 20, 143) is lit green at its bottom.
    const uint32_t bottom = shot[142 * kWidth + 17];
    EXPECT_GT((bottom >> 8) & 0xff, ((bottom >> 16) & 0xff) + 60) << std::hex << bottom;
    std::remove(path.c_str());
}

}  // namespace
