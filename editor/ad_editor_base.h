// What the editors of all four plug-ins share: the lifecycle of the face
// (open, close, idle), the value exchange with the effect and the threads
// that meet in it. Each plug-in's ADEditor derives from this base (the
// preset-bar editor base slots in between for the plug-ins that have one) and
// fills in its face through the protected hooks.
//
// Threads and locks. The host calls open, close, idle and getRect from its
// GUI thread; the frame's window calls events and idle ticks from its own
// thread; the effect calls parameterChanged and resetMeters from any thread,
// the audio thread included. Everything that touches the frame and its views
// holds the GUI lock of AEffGUIEditor. parameterChanged and resetMeters take
// no lock and never touch a view: they record what changed in atomics, and
// the next idle (within one idle period) refreshes the controls from the
// effect. close() first destroys the window and joins its thread without
// holding the lock, then tears the face down under it.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "editor/about.h"
#include "editor/face_resources.h"
#include "gui/aeff_gui_editor.h"
#include "gui/control.h"
#include "gui/resources.h"

class ADEditorBase : public AEffGUIEditor, public CControlListener {
public:
    static constexpr int kBackgroundId = 128;
    // Parameter indices whose changes the editor can track.
    static constexpr VstInt32 kMaxTrackedParameters = 32;

    // Loads the background bitmap, sizes the editor rectangle from it and
    // attaches the editor to `effect`, which owns it from then on.
    ADEditorBase(AudioEffect* effect, const gui::ResourceTable& resources);
    // Tears down a face that is still open (without the face's hooks: a face
    // closes itself in its own destructor, see close()).
    ~ADEditorBase() override;

    // Builds the face into a window inside `parentWindow` (an X11 window id),
    // or headless when there is none or it cannot be used. True unless the
    // background could not be allocated when the editor was built.
    bool open(void* parentWindow) override;
    // False when the background could not be allocated: the effect is not built.
    bool constructed() const override { return background_ != nullptr; }
    // Safe to call when closed. Every face calls it from its destructor, so
    // that no idle reaches a face that is being destroyed.
    void close() override;
    // Applies recorded parameter changes and meter resets, moves the meters
    // unless the about screen is shown, and redraws what is dirty.
    void idle() override;
    // An idle tick of the frame's window, which already holds the GUI lock:
    // the same pass as idle() from the time the face is opened until it is
    // torn down, nothing outside that time.
    void doIdleStuff() override;
    // A gesture on a control: tags of parameters go to the effect as
    // automated changes; other tags (preset bar, about) are ignored here.
    void valueChanged(CControl* control) override;
    // Any thread: records `index` for the next idle; `value` is not used
    // (the idle reads the effect's own value).
    void parameterChanged(VstInt32 index, float value) override;
    // Any thread: the meters go to their rest position on the next idle.
    void resetMeters() override;

    // The snapshot request (see kSnapshotRequest), while the editor is open:
    // - pixels null: fills in width, height, the smallest stride and the bytes
    //   needed, and answers the bytes needed;
    // - otherwise: when every field fits the face, copies it and answers 1.
    // Any other case answers 0 and writes nothing, not even into the record.
    VstIntPtr vendorRequest(VstInt32 index, VstIntPtr value, void* ptr) override;

    // Brings the face up to date, draws all of it and copies it, row by row
    // `strideBytes` apart, to `pixels` (the back buffer's 32-bit pixels);
    // false, copying nothing, when the editor is closed or the face is not
    // `width` x `height`. The caller makes sure the rows fit.
    bool copySnapshot(uint8_t* pixels, int32_t width, int32_t height, int32_t strideBytes);
    bool hasFrame();
    bool isAboutShown();

protected:
    // The face, all called under the GUI lock with the frame present.
    // Creates the face's views in order and adds them to the frame (addView).
    virtual void buildFace() = 0;
    // Forgets the face's view pointers; the frame releases the views.
    virtual void clearFace() = 0;
    // Shows the effect's current value of parameter `index` on its controls.
    virtual void refreshParameter(VstInt32 index) = 0;
    // Sets the level meters from the effect's published meter values.
    virtual void followMeters() {}
    // Puts the level meters at their rest position.
    virtual void restMeters() {}

    // The preset bar's steps, empty without one: after the face is built,
    // first in close, and first for every control that reports a gesture.
    virtual void openPresetBar() {}
    virtual void closePresetBar() {}
    virtual void presetBarValueChanged(CControl* /*control*/) {}
    // On every idle, before the recorded parameter changes are applied (what
    // the bar does here may record more of them).
    virtual void presetBarIdle() {}
    // First of every idle pass, from the host's idle and from the window's
    // ticks alike (a face that measures on its own schedule decides here).
    virtual void beginIdlePass() {}

    // For the hooks.
    CBitmap* getBackgroundBitmap() const { return background_; }
    CBitmap* getLayoutBitmap(int resourceId) { return layoutBitmaps_.get(resourceId); }
    // The editor's own copy of a standard font (see EditorFonts).
    CFontRef getFont(CFontRef standard) { return fonts_.get(standard); }
    // Adds `view` to the frame, which takes over the caller's reference.
    void addView(CView* view);
    // Adds the about control, last of the face so that it lies on top.
    void addAbout(const AboutPlacement& placement);

private:
    // One idle pass; the GUI lock is held.
    void tick();
    void applyRecordedChanges();
    bool aboutShown() const { return about_ && about_->isShown(); }
    void tearDownFace(bool withHooks);

    CBitmap* background_;  // one reference, for the editor's whole life
    LayoutBitmaps layoutBitmaps_;
    EditorFonts fonts_;
    CAbout* about_ = nullptr;
    bool ticking_ = false;  // under the GUI lock: whether window ticks reach the face
    std::atomic<uint32_t> changedParameters_{0};
    std::atomic<bool> meterResetRequested_{false};
};
