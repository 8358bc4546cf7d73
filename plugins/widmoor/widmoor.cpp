#include "plugins/widmoor/widmoor.h"

#include <new>

#include "plugins/widmoor/widmoor_editor.h"

using namespace widmoor;

AComb::AComb(audioMasterCallback audioMaster)
    : EffectShell(audioMaster, kIdentity, kParameterRows, kFactoryPrograms) {
    // The editor attaches itself; the effect owns it from here.
    allocated(new (std::nothrow) widmoor::ADEditor(this));
    start();
}

// The engine takes the host's current rate at both; the block size is not asked.
void AComb::suspend() {
    underProcessingLock([this] { engine.reset(getSampleRate()); });
}

void AComb::resume() {
    underProcessingLock([this] { engine.reset(getSampleRate()); });
}
