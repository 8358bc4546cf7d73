// The widmoor comb engine in each mode and both precisions, at the block
// sizes of the reference loop, and silence after a loud passage.
#include <benchmark/benchmark.h>

#include "bench/bench_signal.h"
#include "plugins/widmoor/widmoor_engine.h"

namespace {

constexpr double kSampleRateHz = 44100.0;
constexpr float kModeNumbers[3] = {0.0f, 1.0f, 2.0f};

// A typical setting: depth 0.75 (D = 1.125), 81.25 Hz, some width/emphasis.
void configure(widmoor::WidmoorEngine& engine, int mode) {
    engine.controls.depthGain.store(1.125f);
    engine.controls.baseFrequencyHz.store(81.25f);
    engine.controls.widthEmphasis.store(0.4f);
    engine.controls.mode.store(kModeNumbers[mode]);
    engine.updateDelay();
}

// Arguments: block frames, mode number.
template <typename Sample>
void BM_Widmoor(benchmark::State& state) {
    const int frames = static_cast<int>(state.range(0));
    StereoBuffers<Sample> buffers(frames);
    widmoor::WidmoorEngine engine(kSampleRateHz);
    configure(engine, static_cast<int>(state.range(1)));
    for (auto _ : state) {
        engine.process<Sample>(buffers.in, buffers.out, frames, kSampleRateHz);
        benchmark::DoNotOptimize(buffers.outLeft.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * frames);
}

// Ten seconds of loud input, then silence in 512-frame blocks: the followers
// must fall to 0 without slowing down on the way.
template <typename Sample>
void BM_WidmoorSilenceAfterLoud(benchmark::State& state) {
    constexpr int kFrames = 512;
    StereoBuffers<Sample> buffers(kFrames, 1.0);
    widmoor::WidmoorEngine engine(kSampleRateHz);
    configure(engine, static_cast<int>(state.range(0)));
    for (int block = 0; block < 10 * 44100 / kFrames; ++block)
        engine.process<Sample>(buffers.in, buffers.out, kFrames, kSampleRateHz);
    buffers.silence();
    for (auto _ : state) {
        engine.process<Sample>(buffers.in, buffers.out, kFrames, kSampleRateHz);
        benchmark::DoNotOptimize(buffers.outLeft.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kFrames);
}

}  // namespace

BENCHMARK_TEMPLATE(BM_Widmoor, float)->ArgsProduct({{64, 512, 4096}, {0, 1, 2}});
BENCHMARK_TEMPLATE(BM_Widmoor, double)->ArgsProduct({{64, 512, 4096}, {0, 1, 2}});
BENCHMARK_TEMPLATE(BM_WidmoorSilenceAfterLoud, float)->Arg(0)->Arg(1)->Arg(2);
BENCHMARK_TEMPLATE(BM_WidmoorSilenceAfterLoud, double)->Arg(0)->Arg(1)->Arg(2);
