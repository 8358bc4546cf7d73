// The engines per stereo frame, each beside the reference loop at the same
// block sizes, in both precisions; and each in silence after a loud passage,
// where decaying followers must cost no more than the loud case.
#include <benchmark/benchmark.h>

#include "bench/bench_signal.h"
#include "platform/denormals.h"
#include "plugins/duplimo/duplimo_engine.h"
#include "plugins/duplimo/duplimo_parameters.h"
#include "plugins/solvane/solvane_engine.h"
#include "plugins/widmoor/widmoor_engine.h"

namespace {

constexpr double kSampleRateHz = 44100.0;

// --- the reference loop ------------------------------------------------------

template <typename Sample>
void BM_Reference(benchmark::State& state) {
    const int frames = static_cast<int>(state.range(0));
    StereoBuffers<Sample> buffers(frames);
    ReferenceLoop<Sample> loop;
    const double coeff = level_follower::coefficient(kSampleRateHz);
    timeBlocks(state, frames, [&] {
        loop.process(buffers.in, buffers.out, frames, coeff);
        benchmark::DoNotOptimize(loop.sum);
    });
}

// --- solvane: the stereo image controller ------------------------------------

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
    timeBlocks(state, frames, [&] {
        engine.process<Sample>(buffers.in, buffers.out, frames, kSampleRateHz);
    });
}

template <typename Sample>
void BM_SolvaneSilenceAfterLoud(benchmark::State& state) {
    const int frames = static_cast<int>(state.range(0));
    StereoBuffers<Sample> buffers(frames, 1.0);
    solvane::SolvaneEngine engine;
    configure(engine);
    DenormalGuard denormals;
    for (int i = 0; i < 200; ++i)
        engine.process<Sample>(buffers.in, buffers.out, frames, kSampleRateHz);
    buffers.silence();
    timeBlocks(state, frames, [&] {
        engine.process<Sample>(buffers.in, buffers.out, frames, kSampleRateHz);
    });
}

// --- widmoor: the comb engine, in each mode ----------------------------------

constexpr float kWidmoorModeNumbers[3] = {0.0f, 1.0f, 2.0f};

// A typical setting: depth 0.75 (D = 1.125), 81.25 Hz, some width/emphasis.
void configure(widmoor::WidmoorEngine& engine, int mode) {
    engine.controls.depthGain.store(1.125f);
    engine.controls.baseFrequencyHz.store(81.25f);
    engine.controls.widthEmphasis.store(0.4f);
    engine.controls.mode.store(kWidmoorModeNumbers[mode]);
    engine.updateDelay();
}

// Arguments: block frames, mode number.
template <typename Sample>
void BM_Widmoor(benchmark::State& state) {
    const int frames = static_cast<int>(state.range(0));
    StereoBuffers<Sample> buffers(frames);
    widmoor::WidmoorEngine engine(kSampleRateHz);
    configure(engine, static_cast<int>(state.range(1)));
    timeBlocks(state, frames, [&] {
        engine.process<Sample>(buffers.in, buffers.out, frames, kSampleRateHz);
        benchmark::DoNotOptimize(buffers.outLeft.data());
    });
}

// Ten seconds of loud input, then silence in 512-frame blocks. Argument: mode number.
template <typename Sample>
void BM_WidmoorSilenceAfterLoud(benchmark::State& state) {
    constexpr int kFrames = 512;
    StereoBuffers<Sample> buffers(kFrames, 1.0);
    widmoor::WidmoorEngine engine(kSampleRateHz);
    configure(engine, static_cast<int>(state.range(0)));
    for (int block = 0; block < 10 * 44100 / kFrames; ++block)
        engine.process<Sample>(buffers.in, buffers.out, kFrames, kSampleRateHz);
    buffers.silence();
    timeBlocks(state, kFrames, [&] {
        engine.process<Sample>(buffers.in, buffers.out, kFrames, kSampleRateHz);
        benchmark::DoNotOptimize(buffers.outLeft.data());
    });
}

// --- duplimo: the mono-to-stereo engine --------------------------------------

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
    timeBlocks(state, frames, [&] {
        engine.process<Sample>(buffers.in, buffers.out, frames, kSampleRateHz);
    });
}

// Without flush-to-zero: the followers and the delayed signal decay too.
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
    timeBlocks(state, frames, [&] {
        engine.process<Sample>(buffers.in, buffers.out, frames, kSampleRateHz);
    });
}

}  // namespace

BENCHMARK_TEMPLATE(BM_Reference, float)->Arg(64)->Arg(512)->Arg(4096);
BENCHMARK_TEMPLATE(BM_Reference, double)->Arg(64)->Arg(512)->Arg(4096);

BENCHMARK_TEMPLATE(BM_Solvane, float)->Arg(64)->Arg(512)->Arg(4096);
BENCHMARK_TEMPLATE(BM_Solvane, double)->Arg(64)->Arg(512)->Arg(4096);
BENCHMARK_TEMPLATE(BM_SolvaneSilenceAfterLoud, float)->Arg(512);
BENCHMARK_TEMPLATE(BM_SolvaneSilenceAfterLoud, double)->Arg(512);

BENCHMARK_TEMPLATE(BM_Widmoor, float)->ArgsProduct({{64, 512, 4096}, {0, 1, 2}});
BENCHMARK_TEMPLATE(BM_Widmoor, double)->ArgsProduct({{64, 512, 4096}, {0, 1, 2}});
BENCHMARK_TEMPLATE(BM_WidmoorSilenceAfterLoud, float)->Arg(0)->Arg(1)->Arg(2);
BENCHMARK_TEMPLATE(BM_WidmoorSilenceAfterLoud, double)->Arg(0)->Arg(1)->Arg(2);

BENCHMARK_TEMPLATE(BM_Duplimo, float)->Arg(64)->Arg(512)->Arg(4096);
BENCHMARK_TEMPLATE(BM_Duplimo, double)->Arg(64)->Arg(512)->Arg(4096);
BENCHMARK_TEMPLATE(BM_DuplimoSilenceAfterLoud, float)->Arg(512);
BENCHMARK_TEMPLATE(BM_DuplimoSilenceAfterLoud, double)->Arg(512);
