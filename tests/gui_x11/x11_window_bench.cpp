// One present of a whole editor face (302 x 343) into an X11 window. Needs a
// display; without one the case reports that it was skipped.
#include "bench/bench_window.h"
#include "gui/platform_window.h"

#include <xcb/xcb.h>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

constexpr int kWidth = 302;
constexpr int kHeight = 343;

void BM_PresentWholeFace(benchmark::State& state) {
    static const HostParent parent(kWidth, kHeight);
    QuietWindowListener listener;
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
