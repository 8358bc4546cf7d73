// The host side of the VST 2.4 boundary: the values the host reports to the
// effect and the callback through which the effect asks for them.
#pragma once

#include "host/vst2.h"

namespace kvx {

constexpr float kDefaultSampleRateHz = 44100.0f;
constexpr VstInt32 kDefaultBlockFrames = 512;
constexpr const char* kHostVendor = "Kavexsound";
constexpr const char* kHostProduct = "kvx";

// What the host currently tells an effect that asks.
struct HostState {
    float sampleRateHz = kDefaultSampleRateHz;
    VstInt32 blockFrames = kDefaultBlockFrames;
};

// Makes `state` the one the callback answers from (null: the defaults). The
// host runs one effect at a time, so one active state is enough; it also
// serves calls made before the entry point has returned the effect record,
// when the effect pointer is still null or not yet known to the host.
void setActiveHostState(const HostState* state);

VstIntPtr VSTCALLBACK hostCallback(AEffect* effect, VstInt32 opcode, VstInt32 index,
                                   VstIntPtr value, void* ptr, float opt);

}  // namespace kvx
