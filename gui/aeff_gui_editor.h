// The editor base of the plug-ins: the host-side editor (AEffEditor) joined
// to the frame-side interface. It owns the frame pointer (the frame is
// created by the derived editor's open and closed by its close), lets the
// frame idle, forwards the gestures of parameter controls to the effect and
// holds the GUI lock that serialises everything touching the frame.
#pragma once

#include <mutex>

#include "gui/editor_interface.h"
#include "host/aeff_editor.h"

class AEffGUIEditor : public AEffEditor, public VSTGUIEditorInterface {
public:
    explicit AEffGUIEditor(AudioEffect* effect);
    // Closes a frame that is still open.
    ~AEffGUIEditor() override;

    // Parameter values from the host; nothing by default.
    virtual void setParameter(VstInt32 /*index*/, float /*value*/) {}
    void idle() override;
    // Redraws `rect` of the frame (the whole frame when null).
    virtual void draw(ERect* rect);
    bool onKeyDown(VstKeyCode& keyCode) override;
    bool onKeyUp(VstKeyCode& keyCode) override;
    bool onWheel(float distance) override;
    bool setKnobMode(VstInt32 mode) override;

    void doIdleStuff() override { idle(); }
    int32_t getKnobMode() const override { return knobMode; }
    // Forwarded to the effect for parameter indices only (preset bar and
    // other tags are not parameters).
    void beginEdit(int32_t index) override;
    void endEdit(int32_t index) override;
    std::recursive_mutex* getGuiMutex() override { return &guiMutex_; }

protected:
    // Held for the whole of each entry point that touches the frame or its views.
    using GuiLock = std::lock_guard<std::recursive_mutex>;
    std::recursive_mutex& guiMutex() { return guiMutex_; }
    bool isParameterIndex(int32_t index) const;

    static int32_t knobMode;

private:
    std::recursive_mutex guiMutex_;
};
