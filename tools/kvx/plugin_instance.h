// One effect of a VST 2.4 plug-in library, created the way a host does it:
// load the library, call its entry point with the host callback, check the
// record, and from then on talk only through the dispatcher and the record.
#pragma once

#include <memory>
#include <string>

#include "host/vst2.h"
#include "tools/kvx/host_callback.h"
#include "tools/kvx/plugin_library.h"

namespace kvx {

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
    using EntryPoint = AEffect* (*)(audioMasterCallback);
    EntryPoint findEntryPoint() const;
    [[noreturn]] void abandon(const std::string& message);

    HostState& host_;
    LibraryHandle library_ = nullptr;
    AEffect* effect_ = nullptr;
};

}  // namespace kvx
