#include "gui/frame.h"

#include <algorithm>

#include "gui/bitmap.h"
#include "gui/frame_window_link.h"

namespace {

bool isHandled(CMouseEventResult result) {
    return result != kMouseEventNotHandled && result != kMouseEventNotImplemented;
}

// The background image hides the background colour wherever it is drawn.
bool coversOpaquely(const CBitmap* image, const CRect& area) {
    return image && image->isOpaque() && image->getWidth() >= area.width() &&
           image->getHeight() >= area.height();
}

}  // namespace

CFrame::CFrame(const CRect& rect, void* systemWindow, VSTGUIEditorInterface* editor)
    : CView(CRect(0, 0, rect.width(), rect.height())),
      editor_(editor),
      window_(std::make_unique<FrameWindowLink>(*this)) {
    attached(this);
    invalid_.add(size);
    if (systemWindow) open(systemWindow);
}

CFrame::~CFrame() {
    closePopupWindow();
    window_.reset();
    removeAll(true);
    if (backContext_) backContext_->forget();
}

// --- window ---------------------------------------------------------------

bool CFrame::open(void* systemWindow) {
    return window_->open(systemWindow, static_cast<int>(size.width()),
                         static_cast<int>(size.height()));
}

void CFrame::attachWindow(std::unique_ptr<gui::PlatformWindow> window) {
    window_->attach(std::move(window));
}

gui::PlatformWindowListener& CFrame::getWindowListener() { return *window_; }

bool CFrame::hasWindow() const { return window_->isOpen(); }

void CFrame::close() {
    window_->close();
    closePopupWindow();
    modal_ = nullptr;
    focus_ = nullptr;
    cancelMouseGesture();
    hoverView_ = nullptr;
    removeAll(true);
    forget();
}

// --- views ----------------------------------------------------------------

bool CFrame::addView(CView* view) {
    if (!view || view->isAttached()) return false;
    views_.push_back(view);
    view->attached(this);
    view->invalid();
    return true;
}

bool CFrame::removeView(CView* view, bool withForget) {
    auto it = std::find(views_.begin(), views_.end(), view);
    if (it == views_.end()) return false;
    views_.erase(it);
    forgetReferencesTo(view);
    invalidRect(view->getViewSize());
    view->removed();
    if (withForget) view->forget();
    return true;
}

void CFrame::removeAll(bool withForget) {
    while (!views_.empty()) removeView(views_.back(), withForget);
}

CView* CFrame::getView(int32_t index) const {
    if (index < 0 || index >= getNbViews()) return nullptr;
    return views_[static_cast<size_t>(index)];
}

bool CFrame::isChild(const CView* view) const {
    return std::find(views_.begin(), views_.end(), view) != views_.end();
}

CView* CFrame::getViewAt(const CPoint& where) const {
    for (auto it = views_.rbegin(); it != views_.rend(); ++it) {
        CView* view = *it;
        if (view->isVisible() && view->getMouseEnabled() && view->hitTest(where)) return view;
    }
    return nullptr;
}

void CFrame::forgetReferencesTo(const CView* view) {
    if (modal_.get() == view) modal_ = nullptr;
    if (focus_.get() == view) {
        focus_ = nullptr;
        syncKeyboardFocus();
    }
    if (mouseDownView_.get() == view) cancelMouseGesture();
    if (hoverView_.get() == view) hoverView_ = nullptr;
}

CFrame::ViewList CFrame::snapshot() const { return ViewList(views_.begin(), views_.end()); }

bool CFrame::setModalView(CView* view) {
    if (view && (modal_ || view->isAttached())) return false;
    closePopupWindow();
    if (CView* old = modal_.get()) removeView(old, false);
    cancelMouseGesture();
    if (hoverView_ && hoverView_.get() != view) {
        SharedPointer<CView> left = hoverView_;
        hoverView_ = nullptr;
        CPoint where = mouseLocation_;
        left->onMouseExited(where, 0);
    }
    if (!view) return true;
    modal_ = view;
    return addView(view);
}

CRect CFrame::getPopupBounds() {
    const gui::WindowArea screen = window_->screenArea();
    if (screen.isEmpty()) return size;
    return CRect(screen.x, screen.y, screen.x + screen.width, screen.y + screen.height);
}

bool CFrame::showModalViewInPopup(const CRect& area) {
    if (!modal_ || isModalViewInPopup() || area.isEmpty()) return false;
    const auto width = static_cast<int>(area.width());
    const auto height = static_cast<int>(area.height());
    cairo_surface_t* surface = gui::createImageSurface(width, height);
    if (!surface) return false;
    if (!window_->openPopup({static_cast<int>(area.left), static_cast<int>(area.top), width,
                             height})) {
        cairo_surface_destroy(surface);
        return false;
    }
    popupContext_ = new CDrawContext(surface);
    cairo_surface_destroy(surface);  // the context holds its own reference
    popupContext_->setOffset(CPoint(-area.left, -area.top));
    popupArea_ = area;
    popupInvalid_ = true;
    // The frame stops drawing the view: what it showed there goes.
    invalidRect(modal_->getViewSize());
    return true;
}

void CFrame::closePopupWindow() {
    if (!popupContext_) return;
    window_->closePopup();
    popupContext_->forget();
    popupContext_ = nullptr;
    popupInvalid_ = false;
    popupPresent_ = false;
}

gui::PixelView CFrame::getPopupBuffer() const {
    return popupContext_ ? popupContext_->getPixels() : gui::PixelView{nullptr, 0, 0, 0};
}

bool CFrame::takePopupPresent() { return std::exchange(popupPresent_, false); }

void CFrame::redrawPopup() {
    if (!popupInvalid_ || !popupContext_ || !modal_) return;
    popupInvalid_ = false;
    popupContext_->setClipRect(popupArea_);
    modal_->drawRect(popupContext_, popupArea_);
    popupPresent_ = true;
}

void CFrame::setFocusView(CView* view) {
    if (focus_.get() == view) return;
    SharedPointer<CView> old = focus_;
    focus_ = view;
    if (old) old->looseFocus();
    if (view) view->takeFocus();
    syncKeyboardFocus();
}

void CFrame::cancelMouseGesture() {
    SharedPointer<CView> view = mouseDownView_;
    mouseDownView_ = nullptr;
    if (view) view->onMouseCancel();
}

void CFrame::syncKeyboardFocus() {
    if (window_) window_->syncKeyboardFocus();  // none once the frame is being destroyed
}

void CFrame::beginEdit(int32_t index) {
    if (editor_) editor_->beginEdit(index);
}

void CFrame::endEdit(int32_t index) {
    if (editor_) editor_->endEdit(index);
}

// --- drawing --------------------------------------------------------------

void CFrame::idle() {
    if (inIdle_) return;
    inIdle_ = true;
    if (CView::isDirty()) {
        CView::setDirty(false);
        invalidRect(size);
    }
    for (const SharedPointer<CView>& view : snapshot()) {
        if (view->isVisible() && view->isDirty() && isChild(view.get())) view->invalid();
    }
    redrawInvalid();
    inIdle_ = false;
}

void CFrame::redrawInvalid() {
    CDrawContext* context = backContext();
    if (!context) return;
    for (const CRect& rect : invalid_.take()) {
        drawRect(context, rect);
        presented_.add(rect);
    }
    redrawPopup();
}

void CFrame::invalidRect(const CRect& rect) {
    if (popupContext_) {
        CRect onPopup = rect;
        onPopup.bound(popupArea_);
        if (!onPopup.isEmpty()) popupInvalid_ = true;
    }
    CRect inside = rect;
    inside.bound(size);
    invalid_.add(inside);
}

void CFrame::setDirty(bool dirty) { CView::setDirty(dirty); }

bool CFrame::isDirty() const {
    if (CView::isDirty()) return true;
    return std::any_of(views_.begin(), views_.end(),
                       [](const CView* v) { return v->isVisible() && v->isDirty(); });
}

void CFrame::draw(CDrawContext* context) { drawRect(context, size); }

void CFrame::drawRect(CDrawContext* context, const CRect& updateRect) {
    if (!context || updateRect.isEmpty()) return;
    CRect oldClip;
    context->getClipRect(oldClip);
    CRect area = updateRect;
    area.bound(oldClip);
    area.bound(size);
    if (area.isEmpty()) return;

    context->setClipRect(area);
    CBitmap* background = getBackground();
    if (!coversOpaquely(background, size)) {
        context->setFillColor(backgroundColor_);
        context->drawRect(area, kDrawFilled);
    }
    if (background) background->draw(context, size);

    for (const SharedPointer<CView>& view : snapshot()) {
        if (!view->isVisible() || (popupContext_ && view.get() == modal_.get())) continue;
        CRect viewArea = view->getViewSize();
        viewArea.bound(area);
        if (viewArea.isEmpty()) continue;
        context->setClipRect(viewArea);
        view->drawRect(context, viewArea);
    }
    context->setClipRect(oldClip);
}

CDrawContext* CFrame::backContext() {
    if (!backContext_) {
        cairo_surface_t* surface = gui::createImageSurface(static_cast<int>(size.width()),
                                                           static_cast<int>(size.height()));
        if (!surface) return nullptr;
        backContext_ = new CDrawContext(surface);
        cairo_surface_destroy(surface);  // the context holds its own reference
    }
    return backContext_;
}

gui::PixelView CFrame::getBackBuffer() {
    CDrawContext* context = backContext();
    return context ? context->getPixels() : gui::PixelView{nullptr, 0, 0, 0};
}

std::vector<CRect> CFrame::takePresentRects() { return presented_.take(); }

CRect CFrame::takePresentRect() {
    CRect bounds;
    for (const CRect& rect : presented_.take()) bounds.unite(rect);
    return bounds;
}

// --- events ---------------------------------------------------------------

CView* CFrame::mouseTarget(const CPoint& where) const {
    if (modal_) return modal_->hitTest(where) ? modal_.get() : nullptr;
    return getViewAt(where);
}

void CFrame::updateHover(CPoint where, const CButtonState& buttons) {
    CView* target = mouseTarget(where);
    if (target == hoverView_.get()) return;
    SharedPointer<CView> left = hoverView_;
    hoverView_ = target;
    if (left) left->onMouseExited(where, buttons);
    if (target && hoverView_.get() == target) target->onMouseEntered(where, buttons);
}

CMouseEventResult CFrame::onMouseDown(CPoint& where, const CButtonState& buttons) {
    mouseLocation_ = where;
    // A press of another button while one is held: the held one's gesture
    // ends here, as its release will go nowhere.
    cancelMouseGesture();
    if (focus_ && !focus_->hitTest(where)) setFocusView(nullptr);

    ViewList candidates;
    if (modal_) {
        if (modal_->hitTest(where)) candidates.push_back(modal_);
    } else {
        candidates = snapshot();
        std::reverse(candidates.begin(), candidates.end());
    }
    for (const SharedPointer<CView>& view : candidates) {
        if (!view->isVisible() || !view->getMouseEnabled() || !view->hitTest(where)) continue;
        CPoint local = where;
        const CMouseEventResult result = view->onMouseDown(local, buttons);
        if (!isHandled(result)) continue;
        if (result == kMouseEventHandled && isChild(view.get())) mouseDownView_ = view;
        return result;
    }
    return kMouseEventNotHandled;
}

CMouseEventResult CFrame::onMouseUp(CPoint& where, const CButtonState& buttons) {
    mouseLocation_ = where;
    SharedPointer<CView> view = mouseDownView_;
    mouseDownView_ = nullptr;
    CMouseEventResult result = kMouseEventNotHandled;
    if (view) {
        CPoint local = where;
        result = view->onMouseUp(local, buttons);
    }
    updateHover(where, buttons.getModifierState());
    return result;
}

CMouseEventResult CFrame::onMouseMoved(CPoint& where, const CButtonState& buttons) {
    mouseLocation_ = where;
    if (SharedPointer<CView> view = mouseDownView_) {
        CPoint local = where;
        const CMouseEventResult result = view->onMouseMoved(local, buttons);
        if (result == kMouseMoveEventHandledButDontNeedMoreEvents) mouseDownView_ = nullptr;
        return result;
    }
    updateHover(where, buttons);
    if (SharedPointer<CView> view = hoverView_) {
        CPoint local = where;
        return view->onMouseMoved(local, buttons);
    }
    return kMouseEventNotHandled;
}

CMouseEventResult CFrame::onMouseExited(CPoint& where, const CButtonState& buttons) {
    SharedPointer<CView> left = hoverView_;
    hoverView_ = nullptr;
    if (left) left->onMouseExited(where, buttons);
    return kMouseEventHandled;
}

bool CFrame::onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) {
    mouseLocation_ = where;
    if (modal_) return modal_->hitTest(where) && modal_->onWheel(where, distance, buttons);
    ViewList views = snapshot();
    for (auto it = views.rbegin(); it != views.rend(); ++it) {
        CView* view = it->get();
        if (view->isVisible() && view->getMouseEnabled() && view->hitTest(where) &&
            view->onWheel(where, distance, buttons))
            return true;
    }
    return false;
}

int32_t CFrame::onKeyDown(VstKeyCode& keyCode) {
    SharedPointer<CView> target = modal_ ? modal_ : focus_;
    return target ? target->onKeyDown(keyCode) : -1;
}

int32_t CFrame::onKeyUp(VstKeyCode& keyCode) {
    SharedPointer<CView> target = modal_ ? modal_ : focus_;
    return target ? target->onKeyUp(keyCode) : -1;
}
