#include "editor/about.h"

#include <cstdio>

#include "editor/face_resources.h"
#include "gui/frame.h"
#include "host/aeff_editor.h"
#include "host/audio_effect.h"

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

namespace {
constexpr CColor kTextColour = MakeCColor(45, 45, 120);
constexpr CColor kTechnologyColour = MakeCColor(60, 60, 60);
constexpr const char* kVersionGap = "   ";  // three blanks
}  // namespace

CSplashScreenMyView::CSplashScreenMyView(const CRect& displayArea, CAbout* owner,
                                         const CPoint& textOrigin)
    : CControl(displayArea, nullptr, 0, owner ? owner->getBackground() : nullptr),
      owner(owner),
      textOrigin(textOrigin),
      textFont(copyOfFont(kNormalFontSmaller)),
      technologyFont(copyOfFont(kNormalFontVerySmall)) {}

void CSplashScreenMyView::titleLine(const char* effectName, char* line, size_t capacity) {
    std::snprintf(line, capacity, "%s%s%s", effectName ? effectName : "", kVersionGap, kVersion);
}

CRect CSplashScreenMyView::firstLineRect() const {
    const CCoord top = size.top + textOrigin.y;
    return CRect(size.left + textOrigin.x, top, size.right + textOrigin.x, top + kLineHeight);
}

void CSplashScreenMyView::effectName(char* name) const {
    name[0] = 0;
    CFrame* frame = getFrame();
    auto* editor = frame ? dynamic_cast<AEffEditor*>(frame->getEditor()) : nullptr;
    auto* effect = editor ? dynamic_cast<AudioEffectX*>(editor->getEffect()) : nullptr;
    if (effect) effect->getEffectName(name);
}

void CSplashScreenMyView::draw(CDrawContext* context) {
    if (CBitmap* image = getBackground()) image->draw(context, size, CPoint(0, 0), 1.f);

    char name[kVstMaxEffectNameLen + 1] = {0};
    effectName(name);
    char title[kVstMaxEffectNameLen + 32];
    titleLine(name, title, sizeof title);

    CRect line = firstLineRect();
    context->setFont(textFont.get());
    context->setFontColor(kTextColour);
    context->drawString(title, line, kCenterText, true);
    line.offset(0, kLineSpacing);
    context->drawString(kCreditLine, line, kCenterText, true);
    line.offset(0, kLineSpacing);
    context->drawString(kContactLine, line, kCenterText, true);

    CRect technology = firstLineRect();
    technology.offset(0, kTechnologyTop);
    context->setFont(technologyFont.get());
    context->setFontColor(kTechnologyColour);
    context->drawString(kTechnologyLine, technology, kCenterText, true);
    setDirty(false);
}

CMouseEventResult CSplashScreenMyView::onMouseDown(CPoint& /*where*/,
                                                   const CButtonState& buttons) {
    if (!buttons.isLeftButton()) return kMouseEventNotHandled;
    SharedPointer<CView> self(this);  // stays alive until this call returns
    CFrame* frame = getFrame();
    if (owner) owner->unSplash();  // value 0; takes this view off the frame
    if (frame) {
        frame->setDirty(true);
        if (frame->getModalView() == this) {  // shown without the owner's knowledge
            frame->setModalView(nullptr);
            forget();
        }
    }
    return kMouseEventHandled;
}
