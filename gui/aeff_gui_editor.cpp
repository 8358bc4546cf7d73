#include "gui/aeff_gui_editor.h"

#include "gui/frame.h"
#include "host/audio_effect.h"

namespace {
constexpr int32_t kCircularMode = 0;
}  // namespace

int32_t AEffGUIEditor::knobMode = kCircularMode;

AEffGUIEditor::AEffGUIEditor(AudioEffect* effect) : AEffEditor(effect) {}

AEffGUIEditor::~AEffGUIEditor() {
    if (frame) {
        GuiLock lock(guiMutex_);
        frame->close();
        frame = nullptr;
    }
}

void AEffGUIEditor::idle() {
    GuiLock lock(guiMutex_);
    if (frame) frame->idle();
}

void AEffGUIEditor::draw(ERect* rect) {
    GuiLock lock(guiMutex_);
    if (!frame) return;
    if (rect)
        frame->invalidRect(CRect(rect->left, rect->top, rect->right, rect->bottom));
    else
        frame->invalid();
    frame->redrawInvalid();
}

bool AEffGUIEditor::onKeyDown(VstKeyCode& keyCode) {
    GuiLock lock(guiMutex_);
    return frame && frame->onKeyDown(keyCode) == 1;
}

bool AEffGUIEditor::onKeyUp(VstKeyCode& keyCode) {
    GuiLock lock(guiMutex_);
    return frame && frame->onKeyUp(keyCode) == 1;
}

bool AEffGUIEditor::onWheel(float distance) {
    GuiLock lock(guiMutex_);
    return frame && frame->onWheel(frame->getCurrentMouseLocation(), distance, 0);
}

bool AEffGUIEditor::setKnobMode(VstInt32 mode) {
    knobMode = mode;
    return true;
}

bool AEffGUIEditor::isParameterIndex(int32_t index) const {
    return effect_ && index >= 0 && index < effect_->getNumParams();
}

void AEffGUIEditor::beginEdit(int32_t index) {
    if (isParameterIndex(index)) effect_->beginEdit(index);
}

void AEffGUIEditor::endEdit(int32_t index) {
    if (isParameterIndex(index)) effect_->endEdit(index);
}
