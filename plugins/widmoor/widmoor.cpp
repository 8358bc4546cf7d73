#include "plugins/widmoor/widmoor.h"

#include "host/identity.h"

using namespace widmoor;

AComb::AComb(audioMasterCallback audioMaster)
    : EffectShell(audioMaster, kWidmoorIdentity, kParameterRows, kFactoryPrograms) {
    start();
}

// The engine takes the host's current rate at both; the block size is not asked.
void AComb::suspend() {
    underProcessingLock([this] { engine.reset(getSampleRate()); });
}

void AComb::resume() {
    underProcessingLock([this] { engine.reset(getSampleRate()); });
}
