// What the frame needs of the editor that owns it.
#pragma once

#include <cstdint>
#include <mutex>

#include "gui/geometry.h"

class CFrame;

class VSTGUIEditorInterface {
public:
    virtual ~VSTGUIEditorInterface() = default;

    // One idle pass of the editor, ending with the frame's idle (which redraws
    // what is dirty); the frame's window calls it every idle period under the
    // GUI lock.
    virtual void doIdleStuff() {}
    virtual int32_t getKnobMode() const { return -1; }
    // Start and end of a gesture on the control with tag `index`.
    virtual void beginEdit(int32_t /*index*/) {}
    virtual void endEdit(int32_t /*index*/) {}
    virtual bool beforeSizeChange(const CRect& /*newSize*/, const CRect& /*oldSize*/) {
        return true;
    }
    virtual CFrame* getFrame() const { return frame; }
    // The lock the frame's window takes around each of its calls into the
    // frame, so that they never overlap the editor's own calls; null for none.
    virtual std::recursive_mutex* getGuiMutex() { return nullptr; }

protected:
    CFrame* frame = nullptr;
};
