// Creation of the effect object behind the library's entry point. Each
// plug-in defines createEffectInstance, usually as createEffect<ItsClass>.
#pragma once

#include <new>

#include "host/audio_effect.h"

AudioEffect* createEffectInstance(audioMasterCallback audioMaster);

// The effect and everything it allocates while it is built use non-throwing
// allocation: when memory runs out, the runtime may not be able to allocate
// an exception either and would end the host. A failed allocation leaves the
// effect marked as not constructed; it is destroyed here, with whatever it
// had built, and the host gets null.
template <typename Effect>
AudioEffect* createEffect(audioMasterCallback audioMaster) {
    if (!audioMaster || audioMaster(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0)
        return nullptr;
    Effect* effect = nullptr;
    try {
        effect = new (std::nothrow) Effect(audioMaster);
    } catch (...) {
        return nullptr;  // nothing should throw; if it does, the object is already released
    }
    if (effect && !effect->constructionSucceeded()) {
        delete effect;
        return nullptr;
    }
    return effect;
}
