#include "plugins/solvane/solvane.h"

#include <new>

#include "editor/editor_requests.h"
#include "host/identity.h"
#include "plugins/solvane/solvane_editor.h"

using namespace solvane;

Solvane::Solvane(audioMasterCallback audioMaster)
    : EffectShell(audioMaster, kSolvaneIdentity, kParameterRows, kFactoryPrograms) {
    // The editor attaches itself; the effect owns it from here.
    allocated(new (std::nothrow) solvane::ADEditor(this));
    start();
}

VstIntPtr Solvane::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                              float opt) {
    if (opcode == effVendorSpecific) return answerVendorRequest(editor, index, value, ptr);
    return EffectShell::dispatcher(opcode, index, value, ptr, opt);
}

void Solvane::resetEngine(float reading) {
    underProcessingLock([this, reading] { engine.reset(reading); });
    updateBlockSize();
}

void Solvane::suspend() { resetEngine(0.0f); }
void Solvane::resume() { resetEngine(0.5f); }
