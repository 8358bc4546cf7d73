// The mono-to-stereo engine per stereo frame, beside the reference loop.
#include <benchmark/benchmark.h>

#include "bench/bench_signal.h"
#include "platform/denormals.h"
#include "plugins/duplimo/duplimo_engine.h"
#include "plugins/duplimo/duplimo_parameters.h"

namespace {

constexpr double kSampleRateHz = 44100.0;

// "over heads 2": wide, emphasised, about 1.8 ms of delay.
void configure(duplimo::DuplimoEngine& engine) {
    auto& c = engine.controls;
    c.sideGain = duplimo::sideGain(0.9f);
    c.emphasis = duplimo::emphasisCoefficient(0.6f);
    engine.setBaseFrequency(duplimo::baseFrequencyHz(0.38f));
}

template <typename Sample>
void BM_Duplimo(benchmark::State& state) {
    const int frames = static_cast<int>(state.range(0));
    StereoBuffers<Sample> buffers(frames);
    duplimo::DuplimoEngine engine(kSampleRateHz);
    configure(engine);
    DenormalGuard denormals;
    for (auto _ : state) {
        engine.process<Sample>(buffers.in, buffers.out, frames, kSampleRateHz);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * frames);
}

// Silence after a loud passage, without flush-to-zero: the followers and the
// delayed signal decay towards zero, which must cost no more than the loud case.
template <typename Sample>
void BM_DuplimoSilenceAfterLoud(benchmark::State& state) {
    const int frames = static_cast<int>(state.range(0));
    StereoBuffers<Sample> buffers(frames, 1.0);
    duplimo::DuplimoEngine engine(kSampleRateHz);
    configure(engine);
    for (int i = 0; i < 200; ++i)
        engine.process<Sample>(buffers.in, buffers.out, frames, kSampleRateHz);
    buffers.silence();
    for (int i = 0; i < 2000; ++i)  // some seconds of silence first
        engine.process<Sample>(buffers.in, buffers.out, frames, kSampleRateHz);
    for (auto _ : state) {
        engine.process<Sample>(buffers.in, buffers.out, frames, kSampleRateHz);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * frames);
}

}  // namespace

BENCHMARK_TEMPLATE(BM_Duplimo, float)->Arg(64)->Arg(512)->Arg(4096);
BENCHMARK_TEMPLATE(BM_Duplimo, double)->Arg(64)->Arg(512)->Arg(4096);
BENCHMARK_TEMPLATE(BM_DuplimoSilenceAfterLoud, float)->Arg(512);
BENCHMARK_TEMPLATE(BM_DuplimoSilenceAfterLoud, double)->Arg(512);
