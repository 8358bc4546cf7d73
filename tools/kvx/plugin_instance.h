// The host's side of the VST 2.4 boundary: what the host tells an effect that
// asks, loading a plug-in library, and one effect created from it. The test
// host is built from the same pieces (kv_plugin_loader).
#pragma once

#include <memory>
#include <string>

#include "host/vst2.h"

namespace kvx {

// The host side of the VST 2.4 boundary: the values the host reports to the
// effect and the callback through which the effect asks for them.
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

// Loading a shared library and finding its symbols. With the terminal
// question in renderer.h, this is all of the host that depends on the
// operating system; a port to another system replaces plugin_library_posix.cpp
// and that one function.
using LibraryHandle = void*;

// Opens the library at `path` (a file path, never a search by name). Returns
// null and fills `error` with a one-line reason on failure.
LibraryHandle openLibrary(const std::string& path, std::string& error);

// The address of an exported symbol, or null.
void* findSymbol(LibraryHandle library, const char* name);

void closeLibrary(LibraryHandle library);

// The library's own VST 2.4 entry point: VSTPluginMain, else the older name
// main that some libraries still export alone; null when it has neither.
using EntryPoint = AEffect* (*)(audioMasterCallback);
EntryPoint findEntryPoint(LibraryHandle library);

// One effect of a VST 2.4 plug-in library, created the way a host does it:
// load the library, call its entry point with the host callback, check the
// record, and from then on talk only through the dispatcher and the record.
class PluginInstance {
public:
    // Loads `path` and creates its effect; throws KvxError with the reason.
    // `host` must outlive the instance.
    PluginInstance(const std::string& path, HostState& host);
    ~PluginInstance();
    PluginInstance(const PluginInstance&) = delete;
    PluginInstance& operator=(const PluginInstance&) = delete;

    AEffect& effect() { return *effect_; }
    const AEffect& effect() const { return *effect_; }
    bool hasFlag(VstInt32 flag) const { return (effect_->flags & flag) != 0; }

    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr, float opt = 0.0f);
    // A string answer of the dispatcher, trimmed of surrounding spaces; the
    // dispatcher's own return value goes to `answer` when given.
    std::string text(VstInt32 opcode, VstInt32 index = 0, VstIntPtr* answer = nullptr);
    // The same answer exactly as given, spaces and all.
    std::string rawText(VstInt32 opcode, VstInt32 index = 0, VstIntPtr* answer = nullptr);

    // effOpen, then the sample rate and the largest block the host will send.
    void open(float sampleRateHz, VstInt32 blockFrames);
    void setMains(bool on);

private:
    [[noreturn]] void abandon(const std::string& message);

    HostState& host_;
    LibraryHandle library_ = nullptr;
    AEffect* effect_ = nullptr;
};

}  // namespace kvx
