#include "editor/idle_timer.h"

#include "gui/frame.h"
#include "host/aeff_editor.h"

void IdleTimer::fire() {
    if (!frame_) return;
    auto* editor = dynamic_cast<AEffEditor*>(frame_->getEditor());
    if (editor) editor->idle();
}
