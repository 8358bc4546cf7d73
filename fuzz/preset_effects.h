// The plug-ins with a preset system that a fuzzer was built with (announced
// by the build as KV_FUZZ_HAS_<NAME>), each built against a host that only
// answers the version query.
#pragma once

#include <memory>
#include <vector>

#include "host/vst2.h"
#include "presets/preset_system_effect.h"

#ifdef KV_FUZZ_HAS_SOLVANE
#include "plugins/solvane/solvane.h"
#endif
#ifdef KV_FUZZ_HAS_WIDMOOR
#include "plugins/widmoor/widmoor.h"
#endif
#ifdef KV_FUZZ_HAS_DUPLIMO
#include "plugins/duplimo/duplimo.h"
#endif

inline VstIntPtr fuzzHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
    return opcode == audioMasterVersion ? kVstVersion : 0;
}

inline std::vector<std::unique_ptr<CPresetSystemEffect>> makePresetEffects() {
    std::vector<std::unique_ptr<CPresetSystemEffect>> effects;
#ifdef KV_FUZZ_HAS_SOLVANE
    effects.emplace_back(new Solvane(fuzzHost));
#endif
#ifdef KV_FUZZ_HAS_WIDMOOR
    effects.emplace_back(new AComb(fuzzHost));
#endif
#ifdef KV_FUZZ_HAS_DUPLIMO
    effects.emplace_back(new Duplimo(fuzzHost));
#endif
    return effects;
}
