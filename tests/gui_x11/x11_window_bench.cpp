// One present of a whole editor face (302 x 343) into an X11 window. Needs a
// display; without one the case reports that it was skipped.
#include "gui/platform_window.h"

#include <xcb/xcb.h>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

constexpr int kWidth = 302;
constexpr int kHeight = 343;

class SilentListener : public gui::PlatformWindowListener {
public:
    void onMouseDown(double, double, uint32_t) override {}
    void onMouseUp(double, double, uint32_t) override {}
    void onMouseMoved(double, double, uint32_t) override {}
    void onMouseExited() override {}
    void onWheel(double, double, float, uint32_t) override {}
    bool onKey(int32_t, uint32_t, uint32_t, bool) override { return false; }
    void onExposed(int, int, int, int) override {}
    void onIdle() override {}
};

// A top-level window standing in for the host's parent, on a connection of its own.
class HostParent {
public:
    HostParent() : connection_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(connection_)) return;
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        window_ = xcb_generate_id(connection_);
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, screen->root, 0, 0, kWidth,
                          kHeight, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0,
                          nullptr);
        xcb_map_window(connection_, window_);
        free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    }
    ~HostParent() { xcb_disconnect(connection_); }
    void* handle() const { return reinterpret_cast<void*>(static_cast<uintptr_t>(window_)); }

private:
    xcb_connection_t* connection_;
    xcb_window_t window_ = XCB_NONE;
};

void BM_PresentWholeFace(benchmark::State& state) {
    // Held for the whole run: a server resets when its last client leaves,
    // and refuses connections meanwhile.
    static const HostParent parent;
    SilentListener listener;
    auto window = gui::openPlatformWindow(parent.handle(), kWidth, kHeight, listener);
    if (!window) {
        state.SkipWithError("skipped: no X display");
        return;
    }
    std::vector<uint32_t> pixels(static_cast<size_t>(kWidth) * kHeight, 0xff336699u);
    const gui::PixelView image{pixels.data(), kWidth, kHeight, kWidth};
    for (auto _ : state) {
        pixels[static_cast<size_t>(state.iterations() % pixels.size())] ^= 0x00ffffffu;
        window->present(image, 0, 0, kWidth, kHeight);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PresentWholeFace)->Unit(benchmark::kMicrosecond);

}  // namespace
