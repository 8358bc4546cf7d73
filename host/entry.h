// Creation of the effect object behind the library's entry point. Each
// plug-in defines createEffectInstance, usually as createEffect<ItsClass>.
#pragma once

#include <new>

#include "host/audio_effect.h"

AudioEffect* createEffectInstance(audioMasterCallback audioMaster);

template <typename Effect>
AudioEffect* createEffect(audioMasterCallback audioMaster) {
    if (!audioMaster || audioMaster(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0)
        return nullptr;
    try {
        return new Effect(audioMaster);
    } catch (...) {
        return nullptr;  // a failed construction has already released the object
    }
}
