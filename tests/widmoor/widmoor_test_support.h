// Shared pieces of the widmoor tests: an effect object built directly from
// widmoor_core, stereo buffers and block-wise processing in either precision.
#pragma once

#include <memory>
#include <vector>

#include "plugins/widmoor/widmoor.h"

namespace widmoor_test {

// A host that answers only the version question.
inline VstIntPtr quietHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
    return opcode == audioMasterVersion ? kVstVersion : 0;
}

inline std::unique_ptr<AComb> makeEffect(float sampleRateHz = 44100.0f) {
    auto effect = std::make_unique<AComb>(&quietHost);
    effect->setSampleRate(sampleRateHz);
    effect->resume();
    return effect;
}

// Sets all six parameters: depth, baseFreq, wdth/emph, process, phase, mode.
inline void setAll(AComb& effect, const std::vector<float>& values) {
    for (int k = 0; k < static_cast<int>(values.size()); ++k) effect.setParameter(k, values[k]);
}

template <typename Sample>
struct Stereo {
    explicit Stereo(size_t frames) : l(frames), r(frames) {}
    std::vector<Sample> l, r;
};

// Runs `in` through the effect in blocks of `block` frames.
template <typename Sample>
Stereo<Sample> run(AComb& effect, const Stereo<Sample>& in, int block = 64) {
    Stereo<Sample> out(in.l.size());
    for (size_t at = 0; at < in.l.size(); at += block) {
        const int n = static_cast<int>(std::min<size_t>(block, in.l.size() - at));
        Sample* ins[2] = {const_cast<Sample*>(&in.l[at]), const_cast<Sample*>(&in.r[at])};
        Sample* outs[2] = {&out.l[at], &out.r[at]};
        if constexpr (sizeof(Sample) == sizeof(float))
            effect.processReplacing(ins, outs, n);
        else
            effect.processDoubleReplacing(ins, outs, n);
    }
    return out;
}

}  // namespace widmoor_test
