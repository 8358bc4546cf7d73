#include "gui/view.h"

#include "gui/frame.h"

CView::CView(const CRect& rect) : size(rect) {}

CView::CView(const CView& other)
    : CBaseObject(other),
      size(other.size),
      background_(other.background_),
      dirty_(other.dirty_),
      mouseEnabled_(other.mouseEnabled_),
      visible_(other.visible_) {}

void CView::draw(CDrawContext* context) {
    if (getBackground()) getBackground()->draw(context, size);
    setDirty(false);
}

void CView::drawRect(CDrawContext* context, const CRect& /*updateRect*/) { draw(context); }

CMouseEventResult CView::onMouseDown(CPoint&, const CButtonState&) { return kMouseEventNotHandled; }
CMouseEventResult CView::onMouseUp(CPoint&, const CButtonState&) { return kMouseEventNotHandled; }
CMouseEventResult CView::onMouseMoved(CPoint&, const CButtonState&) { return kMouseEventNotHandled; }
CMouseEventResult CView::onMouseEntered(CPoint&, const CButtonState&) { return kMouseEventNotHandled; }
CMouseEventResult CView::onMouseExited(CPoint&, const CButtonState&) { return kMouseEventNotHandled; }
bool CView::onWheel(const CPoint&, const float&, const CButtonState&) { return false; }
CMouseEventResult CView::onMouseCancel() { return kMouseEventNotHandled; }
int32_t CView::onKeyDown(VstKeyCode&) { return -1; }
int32_t CView::onKeyUp(VstKeyCode&) { return -1; }

void CView::invalid() {
    setDirty(false);
    invalidRect(size);
}

void CView::invalidRect(const CRect& rect) {
    if (frame_ && visible_) frame_->invalidRect(rect);
}

void CView::setViewSize(const CRect& rect, bool invalidate) {
    if (invalidate) invalidRect(size);
    size = rect;
    if (invalidate) invalid();
}

void CView::setVisible(bool visible) {
    if (visible_ == visible) return;
    if (!visible) invalidRect(size);
    visible_ = visible;
    if (visible) invalid();
}

void CView::setBackground(CBitmap* background) {
    background_ = background;
    setDirty();
}
