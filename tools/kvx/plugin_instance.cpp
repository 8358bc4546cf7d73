#include "tools/kvx/plugin_instance.h"

#include <cstring>

#include "tools/kvx/kvx_error.h"

namespace kvx {

namespace {

// Plug-ins sometimes write past the documented string lengths; every text
// answer goes into a generous zeroed buffer.
constexpr size_t kTextBufferBytes = 512;

// The entry point's name in VST 2.4, then the older name that some
// libraries still export alone.
constexpr const char* kEntryPointNames[] = {"VSTPluginMain", "main"};

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
    EntryPoint entry = findEntryPoint();
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

PluginInstance::EntryPoint PluginInstance::findEntryPoint() const {
    for (const char* name : kEntryPointNames) {
        if (void* symbol = findSymbol(library_, name))
            return reinterpret_cast<EntryPoint>(symbol);
    }
    return nullptr;
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
