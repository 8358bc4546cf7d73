// The library's exported entry point, under its two names.
#include "host/entry.h"

#define KV_EXPORT extern "C" __attribute__((visibility("default")))

KV_EXPORT AEffect* VSTPluginMain(audioMasterCallback audioMaster);
KV_EXPORT AEffect* legacyPluginMain(audioMasterCallback audioMaster) __asm__("main");

AEffect* VSTPluginMain(audioMasterCallback audioMaster) {
    if (!audioMaster || audioMaster(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0)
        return nullptr;
    AudioEffect* effect = createEffectInstance(audioMaster);
    return effect ? effect->getAeffect() : nullptr;
}

AEffect* legacyPluginMain(audioMasterCallback audioMaster) { return VSTPluginMain(audioMaster); }
