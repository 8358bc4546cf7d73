#include "plugins/solvane/solvane.h"

#include <new>

#include "plugins/solvane/solvane_editor.h"

using namespace solvane;

Solvane::Solvane(audioMasterCallback audioMaster)
    : EffectShell(audioMaster, kIdentity, kParameterRows, kFactoryPrograms) {
    // The editor attaches itself; the effect owns it from here.
    allocated(new (std::nothrow) solvane::ADEditor(this));
    start();
}

void Solvane::resetEngine(float reading) {
    underProcessingLock([this, reading] { engine.reset(reading); });
    updateBlockSize();
}

void Solvane::suspend() { resetEngine(0.0f); }
void Solvane::resume() { resetEngine(0.5f); }
