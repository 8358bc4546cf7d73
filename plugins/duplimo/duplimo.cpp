#include "plugins/duplimo/duplimo.h"

using namespace duplimo;

Duplimo::Duplimo(audioMasterCallback audioMaster)
    : EffectShell(audioMaster, kIdentity, kParameterRows, kFactoryPrograms) {
    start();
}

// Both clear the extra value along with the engine, and ask the block size.
void Duplimo::suspend() {
    underProcessingLock([this] {
        engine.suspend(getSampleRate());
        storeValue(kExtraValue, 0.0f);
    });
    updateBlockSize();
}

void Duplimo::resume() {
    underProcessingLock([this] {
        engine.resume(getSampleRate());
        storeValue(kExtraValue, 0.0f);
    });
    updateBlockSize();
}
