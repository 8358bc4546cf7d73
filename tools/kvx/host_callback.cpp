#include "tools/kvx/host_callback.h"

#include <cstring>

namespace kvx {

namespace {

const HostState* activeState = nullptr;

const HostState& currentState() {
    static const HostState defaults;
    return activeState ? *activeState : defaults;
}

VstIntPtr copyString(void* destination, const char* text) {
    if (!destination) return 0;
    char* out = static_cast<char*>(destination);
    std::strncpy(out, text, kVstMaxVendorStrLen - 1);
    out[kVstMaxVendorStrLen - 1] = '\0';
    return 1;
}

}  // namespace

void setActiveHostState(const HostState* state) { activeState = state; }

VstIntPtr VSTCALLBACK hostCallback(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void* ptr,
                                   float) {
    switch (opcode) {
        case audioMasterVersion: return kVstVersion;
        case audioMasterGetSampleRate:
            return static_cast<VstIntPtr>(currentState().sampleRateHz);
        case audioMasterGetBlockSize: return currentState().blockFrames;
        case audioMasterGetVendorString: return copyString(ptr, kHostVendor);
        case audioMasterGetProductString: return copyString(ptr, kHostProduct);
        default: return 0;  // includes GetTime (no transport) and CanDo (nothing)
    }
}

}  // namespace kvx
