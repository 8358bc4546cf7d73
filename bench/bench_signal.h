// Shared pieces of the engine benchmarks: a stereo test signal, the
// reference loop every engine is compared with (a 2x2 mid/side matrix and four
// 64-bit one-pole followers per frame) and the timed loop around one block.
#pragma once

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "dsp/level_follower.h"

template <typename Sample>
struct StereoBuffers {
    explicit StereoBuffers(int frames, double amplitude = 0.5)
        : left(frames), right(frames), outLeft(frames), outRight(frames) {
        uint32_t noise = 12345;
        for (int i = 0; i < frames; ++i) {
            noise = noise * 1664525u + 1013904223u;
            const double n = (noise >> 8) * (1.0 / 16777216.0) - 0.5;
            left[i] = Sample(amplitude * std::sin(0.031 * i) + 0.1 * n);
            right[i] = Sample(amplitude * std::sin(0.017 * i + 1.0) - 0.1 * n);
        }
        in[0] = left.data();
        in[1] = right.data();
        out[0] = outLeft.data();
        out[1] = outRight.data();
    }
    void silence() {
        for (auto& s : left) s = 0;
        for (auto& s : right) s = 0;
    }
    std::vector<Sample> left, right, outLeft, outRight;
    Sample* in[2];
    Sample* out[2];
};

template <typename Sample>
struct ReferenceLoop {
    double sum = 0, diff = 0, left = 0, right = 0;

    void process(const Sample* const* in, Sample* const* out, int frames, double coeff) {
        using level_follower::update;
        for (int i = 0; i < frames; ++i) {
            const double l = in[0][i], r = in[1][i];
            const double mid = (l + r) * 0.5, side = (l - r) * 0.5;
            const double a = mid + side, b = mid - side;
            update(sum, std::fabs(a + b), coeff);
            update(diff, std::fabs(a - b), coeff);
            update(left, std::fabs(a), coeff);
            update(right, std::fabs(b), coeff);
            out[0][i] = Sample(a);
            out[1][i] = Sample(b);
        }
    }
};

// Times `processBlock`, one block of `frames` frames per iteration, and
// reports the frames as the items processed.
template <typename ProcessBlock>
void timeBlocks(benchmark::State& state, int frames, ProcessBlock&& processBlock) {
    for (auto _ : state) {
        processBlock();
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * frames);
}
