// A rectangle of the frame that draws itself and may react to the mouse and
// the keyboard. Positions are frame pixels. A view belongs to at most one
// frame; the frame holds the reference it was given when the view was added.
#pragma once

#include "gui/base_object.h"
#include "gui/bitmap.h"
#include "gui/draw_context.h"
#include "gui/geometry.h"
#include "gui/mouse.h"
#include "gui/shared_pointer.h"
#include "host/vst2.h"

class CFrame;

class CView : public CBaseObject {
public:
    explicit CView(const CRect& size);
    CView(const CView& other);
    ~CView() override = default;

    // Drawing. drawRect is what the frame calls, with the clip already set to
    // the part of the view that needs drawing; it draws the whole view.
    virtual void draw(CDrawContext* context);
    virtual void drawRect(CDrawContext* context, const CRect& updateRect);

    // Mouse, in frame coordinates. The default views ignore it.
    virtual CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseEntered(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons);
    virtual bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons);
    // The view that captured the mouse gets no release (the frame closes, a
    // modal view or another press comes first): it ends what the press began.
    virtual CMouseEventResult onMouseCancel();
    virtual bool hitTest(const CPoint& where) const { return size.pointInside(where); }

    // Keyboard: 1 when handled, -1 when not.
    virtual int32_t onKeyDown(VstKeyCode& keyCode);
    virtual int32_t onKeyUp(VstKeyCode& keyCode);
    // The frame's keyboard focus arrives or leaves.
    virtual void takeFocus() {}
    virtual void looseFocus() {}

    // A dirty view is redrawn by the frame's next idle.
    virtual void setDirty(bool dirty = true) { dirty_ = dirty; }
    virtual bool isDirty() const { return dirty_; }
    // Asks the frame to redraw the whole view.
    virtual void invalid();
    virtual void invalidRect(const CRect& rect);

    const CRect& getViewSize() const { return size; }
    CRect& getViewSize(CRect& rect) const { return rect = size; }
    virtual void setViewSize(const CRect& rect, bool invalidate = true);
    CCoord getWidth() const { return size.width(); }
    CCoord getHeight() const { return size.height(); }

    void setMouseEnabled(bool enabled) { mouseEnabled_ = enabled; }
    bool getMouseEnabled() const { return mouseEnabled_; }
    virtual void setVisible(bool visible);
    bool isVisible() const { return visible_; }

    virtual void setBackground(CBitmap* background);
    CBitmap* getBackground() const { return background_.get(); }

    CFrame* getFrame() const { return frame_; }
    bool isAttached() const { return frame_ != nullptr; }
    // Called by the frame when the view is added and removed.
    virtual void attached(CFrame* frame) { frame_ = frame; }
    virtual void removed() { frame_ = nullptr; }

    CLASS_METHODS(CView, CBaseObject)

protected:
    CRect size;

private:
    SharedPointer<CBitmap> background_;
    CFrame* frame_ = nullptr;
    bool dirty_ = false;
    bool mouseEnabled_ = true;
    bool visible_ = true;
};
