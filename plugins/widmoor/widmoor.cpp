#include "plugins/widmoor/widmoor.h"

using namespace widmoor;

AComb::AComb(audioMasterCallback audioMaster)
    : EffectShell(audioMaster, kIdentity, kParameterRows, kFactoryPrograms) {
    start();
}

// The engine takes the host's current rate at both; the block size is not asked.
void AComb::suspend() {
    underProcessingLock([this] { engine.reset(getSampleRate()); });
}

void AComb::resume() {
    underProcessingLock([this] { engine.reset(getSampleRate()); });
}
