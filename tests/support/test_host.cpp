#include "tests/support/test_host.h"

#include <cstring>

TestHost* TestHost::current = nullptr;

VstIntPtr TestHost::callback(AEffect*, VstInt32 opcode, VstInt32 index, VstIntPtr value, void*,
                             float opt) {
    TestHost* host = current;
    if (!host) return opcode == audioMasterVersion ? kVstVersion : 0;
    host->calls.push_back({opcode, index, value, opt});
    switch (opcode) {
        case audioMasterVersion: return host->versionAnswer;
        case audioMasterGetBlockSize: return host->blockSizeAnswer;
        case audioMasterGetOutputLatency: return host->outputLatencyAnswer;
        default: return 0;
    }
}

LoadedPlugin::LoadedPlugin(const std::string& path, TestHost& host) {
    TestHost::current = &host;
    library_ = kvx::openLibrary(path, error);
    if (!library_) return;
    entry = kvx::findEntryPoint(library_);
    if (entry) effect = entry(&TestHost::callback);
    else error = path + ": no entry point";
}

// The library stays loaded for the rest of the test process, as hosts keep
// theirs: the plug-ins' process-wide caches are released only at exit.
LoadedPlugin::~LoadedPlugin() { close(); }

VstIntPtr LoadedPlugin::dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                 float opt) {
    return effect->dispatcher(effect, opcode, index, value, ptr, opt);
}

std::string LoadedPlugin::text(VstInt32 opcode, VstInt32 index) {
    char buffer[256];
    std::memset(buffer, 0, sizeof buffer);
    dispatch(opcode, index, 0, buffer);
    return buffer;
}

void LoadedPlugin::close() {
    if (effect) dispatch(effClose);
    effect = nullptr;
}
