// Stereo buffers and an engine runner shared by the duplimo tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "plugins/duplimo/duplimo_engine.h"

template <typename Sample>
struct Stereo {
    explicit Stereo(size_t frames) : left(frames, 0), right(frames, 0) {}
    size_t size() const { return left.size(); }
    std::vector<Sample> left, right;
};

// Unit impulse on both inputs at frame 0.
template <typename Sample>
Stereo<Sample> impulse(size_t frames) {
    Stereo<Sample> s(frames);
    s.left[0] = s.right[0] = 1;
    return s;
}

// Deterministic noise in -amplitude .. +amplitude, independent per channel.
template <typename Sample>
Stereo<Sample> noise(size_t frames, uint32_t seed, double amplitude = 1.0) {
    Stereo<Sample> s(frames);
    auto next = [&seed, amplitude] {
        seed = seed * 1664525u + 1013904223u;
        return Sample(amplitude * ((seed >> 8) * (2.0 / 16777216.0) - 1.0));
    };
    for (size_t i = 0; i < frames; ++i) {
        s.left[i] = next();
        s.right[i] = next();
    }
    return s;
}

// Runs `in` through the engine in blocks of `block` frames (the last one
// shorter) and returns the output.
template <typename Sample>
Stereo<Sample> runEngine(duplimo::DuplimoEngine& engine, const Stereo<Sample>& in,
                         double sampleRateHz, size_t block = 512) {
    Stereo<Sample> out(in.size());
    for (size_t start = 0; start < in.size(); start += block) {
        const size_t n = std::min(block, in.size() - start);
        const Sample* inputs[2] = {in.left.data() + start, in.right.data() + start};
        Sample* outputs[2] = {out.left.data() + start, out.right.data() + start};
        engine.process<Sample>(inputs, outputs, static_cast<int>(n), sampleRateHz);
    }
    return out;
}
