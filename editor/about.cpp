#include "editor/about.h"

#include "editor/splash_screen_my_view.h"
#include "gui/frame.h"

namespace {
constexpr float kHidden = 0.f;
constexpr float kShown = 1.f;
}  // namespace

CAbout::CAbout(const CRect& clickArea, CControlListener* listener, int32_t tag,
               CBitmap* aboutImage, const CRect& displayArea, const CPoint& imageSource,
               const CPoint& textOrigin)
    : CSplashScreen(clickArea, listener, tag, aboutImage, displayArea, imageSource),
      textOrigin(textOrigin) {}

CMouseEventResult CAbout::onMouseDown(CPoint& /*where*/, const CButtonState& buttons) {
    if (!buttons.isLeftButton()) return kMouseEventNotHandled;
    value = value == kHidden ? kShown : kHidden;
    if (value == kHidden) return kMouseEventHandled;

    auto* view = new CSplashScreenMyView(toDisplay, this, textOrigin);
    CFrame* frame = getFrame();
    if (frame && !modalView && frame->setModalView(view)) {
        // Registered with the base, so unSplash() takes the view down again
        // whoever calls it.
        view->remember();
        modalView = view;
    } else {
        view->forget();
        if (frame) value = kHidden;  // the frame is showing something else
    }
    invalid();
    return kMouseEventHandled;
}
