// scopra's editor in a real X11 window while audio runs on a thread of its
// own and host automation on another: the goniometer and the meters move on
// the screen, driven by the window's own idle timer and the host's idle
// calls. Meant for the ThreadSanitizer build as much as the plain one. Skips
// without a display; run under xvfb-run -a -s "-screen 0 1024x768x24".
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <memory>
#include <thread>
#include <vector>

#include "editor/ad_editor_base.h"
#include "plugins/scopra/scopra.h"
#include "plugins/scopra/scopra_face_layout.h"
#include "tests/gui_x11/test_display.h"
#include "tests/support/test_host.h"

using gui::x11::test::TestDisplay;
using namespace scopra::face;

namespace {

constexpr uint32_t kColourBits = 0x00ffffffu;
constexpr uint32_t kBrightPen = 0x0008ff31u;
constexpr int kBlockFrames = 512;
constexpr double kSampleRateHz = 44100.0;
constexpr auto kPatience = std::chrono::seconds(10);

class ScopraWindow : public ::testing::Test {
protected:
    void SetUp() override {
        display = TestDisplay::connect();
        if (!display) GTEST_SKIP() << "no X display; run under xvfb-run";
        parent = display->createParent(0, 0, 400, 300);
        TestHost::current = &host;
        effect = std::make_unique<Scopra>(&TestHost::callback);
        effect->setSampleRate(static_cast<float>(kSampleRateHz));
        editor = dynamic_cast<ADEditorBase*>(effect->getEditor());
        ASSERT_NE(editor, nullptr);
    }
    void TearDown() override {
        stopThreads();
        effect.reset();
        TestHost::current = nullptr;
        if (display) display->destroyWindow(parent);
    }

    // A tone whose stereo position turns slowly, played about in real time.
    void playAudio() {
        threads.emplace_back([this] {
            std::vector<float> left(kBlockFrames), right(kBlockFrames);
            float* inputs[] = {left.data(), right.data()};
            float* outputs[] = {left.data(), right.data()};
            for (long n = 0; !stop.load();) {
                for (int k = 0; k < kBlockFrames; ++k, ++n) {
                    const double t = n / kSampleRateHz;
                    const double tone = 0.7 * std::sin(2 * M_PI * 330 * t);
                    const double turn = 2 * M_PI * 0.7 * t;
                    left[k] = static_cast<float>(tone * std::cos(turn));
                    right[k] = static_cast<float>(tone * std::sin(turn) * 0.6);
                }
                effect->processReplacing(inputs, outputs, kBlockFrames);
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        });
    }
    // The host moves the level and the hold switch from its own thread.
    void automate() {
        threads.emplace_back([this] {
            for (int step = 0; !stop.load(); ++step) {
                effect->setParameter(scopra::kParamLevel, 0.1f + 0.01f * (step % 20));
                effect->setParameter(scopra::kParamHold, (step / 50) % 2 ? 1.f : 0.f);
                std::this_thread::sleep_for(std::chrono::milliseconds(3));
            }
        });
    }
    void expectMovingScreen(bool hostIdles);
    void stopThreads() {
        stop = true;
        for (std::thread& thread : threads) thread.join();
        threads.clear();
    }

    std::vector<uint32_t> area(xcb_window_t window, const FaceRect& rect) {
        std::vector<uint32_t> pixels = display->readPixels(
            window, static_cast<int>(rect.left), static_cast<int>(rect.top),
            static_cast<int>(rect.right - rect.left), static_cast<int>(rect.bottom - rect.top));
        for (uint32_t& pixel : pixels) pixel &= kColourBits;
        return pixels;
    }

    std::unique_ptr<TestDisplay> display;
    xcb_window_t parent = 0;
    TestHost host;
    std::unique_ptr<Scopra> effect;
    ADEditorBase* editor = nullptr;
    std::atomic<bool> stop{false};
    std::vector<std::thread> threads;
};

// What the screen showed of the goniometer and the meters at one moment.
struct Look {
    std::vector<uint32_t> scope;
    std::vector<uint32_t> meters;
    int brightPoints = 0;
};

// Opens the editor and watches the screen; the host calls the editor's idle
// now and then when `hostIdles`, otherwise the window's own timer is all.
void ScopraWindow::expectMovingScreen(bool hostIdles) {
    playAudio();
    automate();
    ASSERT_TRUE(editor->open(reinterpret_cast<void*>(static_cast<uintptr_t>(parent))));
    const auto children = display->childrenOf(parent);
    ASSERT_FALSE(children.empty());
    const xcb_window_t window = children.back();
    const FaceRect meters{kMeters[0].left, kMeters[0].top, kMeters[1].right, kMeters[1].bottom};

    auto look = [&] {
        Look seen{area(window, kScope), area(window, meters)};
        for (uint32_t pixel : seen.scope) seen.brightPoints += pixel == kBrightPen;
        return seen;
    };
    std::vector<Look> looks;
    const auto end = std::chrono::steady_clock::now() + kPatience;
    while (looks.size() < 4 && std::chrono::steady_clock::now() < end) {
        if (hostIdles) editor->idle();
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        Look seen = look();
        if (seen.brightPoints > 20) looks.push_back(std::move(seen));
    }
    ASSERT_EQ(looks.size(), 4u) << "the goniometer never showed the signal";
    int scopeChanges = 0, meterChanges = 0;
    for (size_t k = 1; k < looks.size(); ++k) {
        scopeChanges += looks[k].scope != looks[k - 1].scope;
        meterChanges += looks[k].meters != looks[k - 1].meters;
    }
    EXPECT_GE(scopeChanges, 2);
    EXPECT_GE(meterChanges, 1);

    editor->close();
    EXPECT_TRUE(display->childrenOf(parent).empty());
    ASSERT_TRUE(editor->open(reinterpret_cast<void*>(static_cast<uintptr_t>(parent))));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    stopThreads();
    editor->close();
}

TEST_F(ScopraWindow, ScopeAndMetersMoveOnTheScreenWhileAudioAndAutomationRun) {
    expectMovingScreen(true);
}

// Some hosts never send editor idle calls.
TEST_F(ScopraWindow, WithoutHostIdleCallsTheWindowsTimerMovesThem) { expectMovingScreen(false); }

}  // namespace
