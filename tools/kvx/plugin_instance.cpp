#include "tools/kvx/plugin_instance.h"

#include <cstring>

#include "tools/kvx/kvx_error.h"

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

namespace {

// Plug-ins sometimes write past the documented string lengths; every text
// answer goes into a generous zeroed buffer.
constexpr size_t kTextBufferBytes = 512;

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

PluginInstance::PluginInstance(const std::string& path, HostState& host) : host_(host) {
    std::string error;
    library_ = openLibrary(path, error);
    if (!library_) throw KvxError("cannot load plug-in: " + error);
    EntryPoint entry = findEntryPoint(library_);
    if (!entry) abandon(path + ": not a VST 2.4 plug-in (no VSTPluginMain or main entry point)");
    setActiveHostState(&host_);
    effect_ = entry(&hostCallback);
    if (!effect_) abandon(path + ": the entry point returned no effect");
    // A record with the wrong magic or no dispatcher is not an effect; it is
    // left alone, never closed through its dispatcher.
    if (effect_->magic != kEffectMagic)
        abandon(path + ": not a VST 2.4 plug-in (the effect record has the wrong magic)");
    if (!effect_->dispatcher) abandon(path + ": the effect record has no dispatcher");
}

PluginInstance::~PluginInstance() {
    dispatch(effClose);
    setActiveHostState(nullptr);
    closeLibrary(library_);
}

void PluginInstance::abandon(const std::string& message) {
    setActiveHostState(nullptr);
    closeLibrary(library_);
    throw KvxError(message);
}

VstIntPtr PluginInstance::dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                   float opt) {
    return effect_->dispatcher(effect_, opcode, index, value, ptr, opt);
}

std::string PluginInstance::text(VstInt32 opcode, VstInt32 index, VstIntPtr* answer) {
    return trimmed(rawText(opcode, index, answer));
}

std::string PluginInstance::rawText(VstInt32 opcode, VstInt32 index, VstIntPtr* answer) {
    char buffer[kTextBufferBytes];
    std::memset(buffer, 0, sizeof buffer);
    const VstIntPtr result = dispatch(opcode, index, 0, buffer);
    if (answer) *answer = result;
    buffer[kTextBufferBytes - 1] = '\0';
    return buffer;
}

void PluginInstance::open(float sampleRateHz, VstInt32 blockFrames) {
    dispatch(effOpen);
    host_.sampleRateHz = sampleRateHz;
    dispatch(effSetSampleRate, 0, 0, nullptr, sampleRateHz);
    host_.blockFrames = blockFrames;
    dispatch(effSetBlockSize, 0, blockFrames);
}

void PluginInstance::setMains(bool on) { dispatch(effMainsChanged, 0, on ? 1 : 0); }

}  // namespace kvx
