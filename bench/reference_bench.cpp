// The reference loop on its own, at the block sizes every engine is measured at.
#include <benchmark/benchmark.h>

#include "bench/bench_signal.h"

template <typename Sample>
static void BM_Reference(benchmark::State& state) {
    const int frames = static_cast<int>(state.range(0));
    StereoBuffers<Sample> buffers(frames);
    ReferenceLoop<Sample> loop;
    const double coeff = level_follower::coefficient(44100.0);
    for (auto _ : state) {
        loop.process(buffers.in, buffers.out, frames, coeff);
        benchmark::DoNotOptimize(loop.sum);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * frames);
}
BENCHMARK_TEMPLATE(BM_Reference, float)->Arg(64)->Arg(512)->Arg(4096);
BENCHMARK_TEMPLATE(BM_Reference, double)->Arg(64)->Arg(512)->Arg(4096);
