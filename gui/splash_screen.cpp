#include "gui/splash_screen.h"

#include "gui/frame.h"

namespace {

// The image as shown: draws the splash screen's background into its own
// rectangle and reports a left click to the splash screen.
class SplashImageView : public CControl {
public:
    SplashImageView(const CRect& area, CSplashScreen* owner, CBitmap* image, const CPoint& source)
        : CControl(area, owner, 0, image), source_(source) {}

    void draw(CDrawContext* context) override {
        if (CBitmap* image = getBackground()) image->draw(context, size, source_);
        setDirty(false);
    }

    CMouseEventResult onMouseDown(CPoint& /*where*/, const CButtonState& buttons) override {
        if (!buttons.isLeftButton()) return kMouseEventNotHandled;
        valueChanged();
        return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    }

private:
    CPoint source_;
};

}  // namespace

CSplashScreen::CSplashScreen(const CRect& size, CControlListener* listener, int32_t tag,
                             CBitmap* background, const CRect& toDisplay, const CPoint& offset)
    : CControl(size, listener, tag, background), toDisplay(toDisplay), offset(offset) {
    setDefaultValue(0.f);
}

CSplashScreen::~CSplashScreen() {
    if (modalView) modalView->forget();
}

void CSplashScreen::draw(CDrawContext* /*context*/) { setDirty(false); }

CMouseEventResult CSplashScreen::onMouseDown(CPoint& /*where*/, const CButtonState& buttons) {
    if (!buttons.isLeftButton()) return kMouseEventNotHandled;
    value = value == 0.f ? 1.f : 0.f;
    if (value == 0.f) {
        unSplash();
        return kMouseEventHandled;
    }
    CFrame* frame = getFrame();
    if (frame && !modalView) {
        modalView = new SplashImageView(toDisplay, this, getBackground(), offset);
        if (frame->setModalView(modalView)) {
            modalView->remember();  // ours, beside the frame's
        } else {
            modalView->forget();
            modalView = nullptr;
        }
    }
    invalid();
    return kMouseEventHandled;
}

void CSplashScreen::unSplash() {
    value = 0.f;
    if (modalView) {
        CFrame* frame = getFrame();
        if (frame && frame->getModalView() == modalView) {
            frame->invalidRect(modalView->getViewSize());
            frame->setModalView(nullptr);
            modalView->forget();  // the frame's reference, handed back by setModalView
        }
        modalView->forget();
        modalView = nullptr;
    }
    setDirty();
}

void CSplashScreen::valueChanged(CControl* /*control*/) { unSplash(); }
