// A minimal VST 2.4 host for tests: loads a plug-in library as kvx does,
// creates an effect through its entry point and records what the effect
// asks of the host.
#pragma once

#include <dlfcn.h>

#include <string>
#include <vector>

#include "host/vst2.h"
#include "tools/kvx/plugin_instance.h"

struct HostCall {
    VstInt32 opcode;
    VstInt32 index;
    VstIntPtr value;
    float opt;
};

class TestHost {
public:
    // Answers of the host to the effect's questions.
    VstIntPtr versionAnswer = kVstVersion;
    VstIntPtr blockSizeAnswer = 0;
    VstIntPtr outputLatencyAnswer = 0;

    std::vector<HostCall> calls;

    int count(VstInt32 opcode) const {
        int n = 0;
        for (const HostCall& c : calls) n += c.opcode == opcode;
        return n;
    }

    static VstIntPtr callback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                              void* ptr, float opt);
    static TestHost* current;  // the host that answers the callback
};

// A plug-in library, loaded by kvx's loader, and one effect of it.
class LoadedPlugin {
public:
    explicit LoadedPlugin(const std::string& path, TestHost& host);
    ~LoadedPlugin();
    LoadedPlugin(const LoadedPlugin&) = delete;
    LoadedPlugin& operator=(const LoadedPlugin&) = delete;

    bool loaded() const { return effect != nullptr; }
    AEffect* effect = nullptr;

    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr, float opt = 0.0f);
    std::string text(VstInt32 opcode, VstInt32 index = 0);  // a string answer
    void close();                                           // effClose, once

    using EntryPoint = kvx::EntryPoint;
    EntryPoint entry = nullptr;
    std::string error;  // why the library did not load, if it did not

private:
    kvx::LibraryHandle library_ = nullptr;
};
