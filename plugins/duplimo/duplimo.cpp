#include "plugins/duplimo/duplimo.h"

#include <new>

#include "plugins/duplimo/duplimo_editor.h"

using namespace duplimo;

Duplimo::Duplimo(audioMasterCallback audioMaster)
    : EffectShell(audioMaster, kIdentity, kParameterRows, kFactoryPrograms) {
    // The editor attaches itself; the effect owns it from here.
    allocated(new (std::nothrow) duplimo::ADEditor(this));
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
