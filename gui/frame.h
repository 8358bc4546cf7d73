// The root of an editor's face: owns its views (each added view's reference
// passes to the frame), draws the background and the views into a back
// buffer image, routes the mouse and the keyboard to the views, and shows the
// back buffer in a platform window when it has one. Without a window it
// works the same, headless; tests and snapshots read the back buffer.
//
// Coordinates: the frame's own size starts at (0, 0); views are placed in
// frame pixels. The frame takes no locks: every call into it and its views
// must come from one thread at a time (see VSTGUIEditorInterface::getGuiMutex).
#pragma once

#include <memory>
#include <vector>

#include "gui/color.h"
#include "gui/editor_interface.h"
#include "gui/geometry.h"
#include "gui/platform_window.h"
#include "gui/view.h"

class FrameWindowLink;

class CFrame : public CView {
public:
    // Opens a platform window inside `systemWindow` when it is not null.
    CFrame(const CRect& size, void* systemWindow, VSTGUIEditorInterface* editor);
    ~CFrame() override;
    CFrame(const CFrame&) = delete;
    CFrame& operator=(const CFrame&) = delete;

    // Window. open is false when no window could be made (the frame stays headless).
    bool open(void* systemWindow);
    // Uses `window`, whose events must come to getWindowListener().
    void attachWindow(std::unique_ptr<gui::PlatformWindow> window);
    gui::PlatformWindowListener& getWindowListener();
    bool hasWindow() const;
    // Closes the window, removes and releases every view and releases the
    // frame's own reference (normally its last).
    virtual void close();

    // Views, drawn in the order they were added (later ones on top).
    bool addView(CView* view);
    bool removeView(CView* view, bool withForget = true);
    void removeAll(bool withForget = true);
    int32_t getNbViews() const { return static_cast<int32_t>(views_.size()); }
    CView* getView(int32_t index) const;
    bool isChild(const CView* view) const;
    // The topmost visible, mouse-enabled view at `where`, or null.
    CView* getViewAt(const CPoint& where) const;

    // While a modal view is set, the mouse and keyboard reach only it. It is
    // added as a child; clearing it removes it without releasing it.
    bool setModalView(CView* view);
    CView* getModalView() const { return modal_.get(); }
    // Pop-ups. Where one may show, in frame coordinates: the screen when the
    // frame's window can open pop-ups, else the frame itself.
    CRect getPopupBounds();
    // Shows the modal view in a pop-up window of its own over `area` (frame
    // coordinates, which may reach beyond the frame), above everything, so
    // that the frame's small window does not cut it. It keeps all the mouse
    // and the keys, and its window closes with it. False without a window
    // that can open one: the modal view then stays drawn inside the frame.
    bool showModalViewInPopup(const CRect& area);
    bool isModalViewInPopup() const { return popupContext_ != nullptr; }
    // The pop-up's image, and whether it was redrawn since the last call.
    gui::PixelView getPopupBuffer() const;
    bool takePopupPresent();
    // The focus view gets the keys; while there is one, the frame's window
    // holds the keyboard focus.
    void setFocusView(CView* view);
    CView* getFocusView() const { return focus_.get(); }

    VSTGUIEditorInterface* getEditor() const { return editor_; }
    void beginEdit(int32_t index);
    void endEdit(int32_t index);
    void setBackgroundColor(const CColor& color) { backgroundColor_ = color; }
    CColor getBackgroundColor() const { return backgroundColor_; }

    // Drawing: idle turns dirty views (or the whole frame, when it is dirty
    // itself) into invalid areas and draws all invalid areas into the back
    // buffer. A nested call while an idle is running does nothing.
    void idle();
    void redrawInvalid();
    void invalidRect(const CRect& rect) override;
    void setDirty(bool dirty = true) override;
    bool isDirty() const override;
    void draw(CDrawContext* context) override;
    // Draws the background and every view overlapping `updateRect`, clipped
    // to it and to the context's clip, each view also clipped to its size.
    void drawRect(CDrawContext* context, const CRect& updateRect) override;

    gui::PixelView getBackBuffer();
    // The parts of the back buffer redrawn since the last call: a few
    // separate rectangles, so that a window is sent only what changed.
    std::vector<CRect> takePresentRects();
    // The same as one rectangle around them all.
    CRect takePresentRect();

    // Events in frame coordinates.
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons) override;
    bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;
    int32_t onKeyDown(VstKeyCode& keyCode) override;
    int32_t onKeyUp(VstKeyCode& keyCode) override;
    CPoint getCurrentMouseLocation() const { return mouseLocation_; }

    CLASS_METHODS_NOCOPY(CFrame, CView)

private:
    using ViewList = std::vector<SharedPointer<CView>>;
    ViewList snapshot() const;
    CView* mouseTarget(const CPoint& where) const;
    void updateHover(CPoint where, const CButtonState& buttons);
    void forgetReferencesTo(const CView* view);
    void syncKeyboardFocus();
    // The view that captured the mouse lets go of it without a release.
    void cancelMouseGesture();
    void closePopupWindow();
    void redrawPopup();
    CDrawContext* backContext();

    VSTGUIEditorInterface* editor_;
    std::vector<CView*> views_;  // each holds the reference the frame was given
    SharedPointer<CView> modal_;
    SharedPointer<CView> focus_;
    SharedPointer<CView> mouseDownView_;
    SharedPointer<CView> hoverView_;
    CPoint mouseLocation_;
    CColor backgroundColor_ = kBlackCColor;
    UpdateRegion invalid_;
    UpdateRegion presented_;
    CDrawContext* backContext_ = nullptr;
    CRect popupArea_;
    CDrawContext* popupContext_ = nullptr;  // only while the modal view is in a pop-up
    bool popupInvalid_ = false;
    bool popupPresent_ = false;
    bool inIdle_ = false;
    std::unique_ptr<FrameWindowLink> window_;
};
