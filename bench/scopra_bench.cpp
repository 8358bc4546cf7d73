// The analyser's measurement per stereo frame: the engine at the block sizes
// every engine is measured at, with an open editor taking the goniometer
// bursts, and a long silence after a loud passage (no subnormal slowdown).
#include <benchmark/benchmark.h>

#include "bench/bench_signal.h"
#include "plugins/scopra/scopra_engine.h"

namespace {

constexpr float kBenchRateHz = 44100.0f;

// The editor takes a waiting burst on its idle, at most every 35 ms.
constexpr int kEditorTickFrames = static_cast<int>(kBenchRateHz * 0.035);

// Measurement and pass-through of a block while an open editor takes every
// burst on its ticks; `worstCase` takes each burst as soon as it is full, so
// the capture never rests.
template <typename Sample>
void measureBlocks(benchmark::State& state, bool worstCase, bool baselineOnly = false) {
    const int frames = static_cast<int>(state.range(0));
    StereoBuffers<Sample> buffers(frames);
    scopra::ScopraEngine engine;
    if (baselineOnly) engine.useBaselineInstructions();
    engine.setSampleRate(kBenchRateHz);
    engine.controls.autoOn = 1.0f;
    scopra::ScopePoint points[scopra::kScopePoints];
    int framesSinceTick = 0;
    for (auto _ : state) {
        auto level = engine.process<Sample>(buffers.in, buffers.out, frames);
        benchmark::DoNotOptimize(level);
        framesSinceTick += frames;
        if (worstCase || framesSinceTick >= kEditorTickFrames) {
            framesSinceTick = 0;
            engine.takeBurst(points);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * frames);
}

template <typename Sample>
void BM_ScopraMeasure(benchmark::State& state) {
    measureBlocks<Sample>(state, false);
}
BENCHMARK_TEMPLATE(BM_ScopraMeasure, float)->Arg(64)->Arg(512)->Arg(4096);
BENCHMARK_TEMPLATE(BM_ScopraMeasure, double)->Arg(64)->Arg(512)->Arg(4096);

// The same on baseline x86-64 instructions, as on a processor without AVX2.
template <typename Sample>
void BM_ScopraMeasureBaseline(benchmark::State& state) {
    measureBlocks<Sample>(state, false, true);
}
BENCHMARK_TEMPLATE(BM_ScopraMeasureBaseline, float)->Arg(64)->Arg(512)->Arg(4096);
BENCHMARK_TEMPLATE(BM_ScopraMeasureBaseline, double)->Arg(64)->Arg(512)->Arg(4096);

template <typename Sample>
void BM_ScopraMeasureCaptureAlways(benchmark::State& state) {
    measureBlocks<Sample>(state, true);
}
BENCHMARK_TEMPLATE(BM_ScopraMeasureCaptureAlways, float)->Arg(64)->Arg(512)->Arg(4096);
BENCHMARK_TEMPLATE(BM_ScopraMeasureCaptureAlways, double)->Arg(64)->Arg(512)->Arg(4096);

// One loud block, then two minutes of silence in 4096-frame blocks: the
// followers must reach 0 instead of crawling through the subnormals.
template <typename Sample>
void BM_ScopraSilenceAfterLoud(benchmark::State& state) {
    constexpr int kFrames = 4096;
    constexpr int kSilentBlocks = 120 * 44100 / kFrames;
    StereoBuffers<Sample> loud(kFrames, 1.0);
    StereoBuffers<Sample> quiet(kFrames);
    quiet.silence();
    scopra::ScopraEngine engine;
    engine.setSampleRate(kBenchRateHz);
    for (auto _ : state) {
        engine.process<Sample>(loud.in, loud.out, kFrames);
        for (int block = 0; block < kSilentBlocks; ++block)
            engine.process<Sample>(quiet.in, quiet.out, kFrames);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kFrames * (kSilentBlocks + 1));
}
BENCHMARK_TEMPLATE(BM_ScopraSilenceAfterLoud, float)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_ScopraSilenceAfterLoud, double)->Unit(benchmark::kMillisecond);

}  // namespace
