// The stereo image controller's engine per stereo frame, beside the reference loop.
#include <benchmark/benchmark.h>

#include "bench/bench_signal.h"
#include "platform/denormals.h"
#include "plugins/solvane/solvane_engine.h"

namespace {

void configure(solvane::SolvaneEngine& engine) {
    auto& c = engine.controls;
    c.width = 0.78f;
    c.gain = 1.1f;
    c.balanceLeft = 1.2f, c.balanceRight = 0.8f;
    c.sideLeft = 0.9f, c.sideRight = 1.1f;
    c.centreLeft = 1.05f, c.centreRight = 0.95f;
}

template <typename Sample>
void BM_Solvane(benchmark::State& state) {
    const int frames = static_cast<int>(state.range(0));
    StereoBuffers<Sample> buffers(frames);
    solvane::SolvaneEngine engine;
    configure(engine);
    DenormalGuard denormals;
    for (auto _ : state) {
        engine.process<Sample>(buffers.in, buffers.out, frames, 44100.0);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * frames);
}

// Silence after a loud passage: the followers decay towards zero, which must
// cost no more than the loud case.
template <typename Sample>
void BM_SolvaneSilenceAfterLoud(benchmark::State& state) {
    const int frames = static_cast<int>(state.range(0));
    StereoBuffers<Sample> buffers(frames, 1.0);
    solvane::SolvaneEngine engine;
    configure(engine);
    DenormalGuard denormals;
    for (int i = 0; i < 200; ++i) engine.process<Sample>(buffers.in, buffers.out, frames, 44100.0);
    buffers.silence();
    for (auto _ : state) {
        engine.process<Sample>(buffers.in, buffers.out, frames, 44100.0);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * frames);
}

}  // namespace

BENCHMARK_TEMPLATE(BM_Solvane, float)->Arg(64)->Arg(512)->Arg(4096);
BENCHMARK_TEMPLATE(BM_Solvane, double)->Arg(64)->Arg(512)->Arg(4096);
BENCHMARK_TEMPLATE(BM_SolvaneSilenceAfterLoud, float)->Arg(512);
BENCHMARK_TEMPLATE(BM_SolvaneSilenceAfterLoud, double)->Arg(512);
