#include "plugins/scopra/scopra_editor.h"

#include <chrono>
#include <cstdlib>

#include "gui/buttons.h"
#include "gui/param_display.h"
#include "gui/slider.h"
#include "plugins/scopra/scopra.h"
#include "plugins/scopra/scopra_face_texts.h"
#include "plugins/scopra/scopra_level_meter.h"
#include "plugins/scopra/scopra_oscilloscope.h"

namespace scopra {

namespace {

using namespace face;

constexpr float kSwitchThreshold = 0.5f;
constexpr float kGainDisplayScale = 0.5f;  // the display shows scopeGain / 2
constexpr float kMeterRestNudge = 0.001f;  // tiny value that makes a reset meter redraw
constexpr float kOverloadPeak = 1.f;
// rand() in 0..1 as on the platforms where RAND_MAX is 32767.
constexpr int kRandomSteps = 32768;
constexpr float kRandomScale = 1.f / 32767.f;

const ScopePoint kCentrePoints[kScopePoints] = {};

float unitRandom() { return static_cast<float>(std::rand() % kRandomSteps) * kRandomScale; }

bool switchedOn(float value) { return value >= kSwitchThreshold; }

// The system's tick count in milliseconds; differences survive its wrap.
uint32_t tickCountMs() {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

template <void (*Text)(float, char*)>
bool faceText(float value, char text[CParamDisplay::kTextCapacity], void* /*userData*/) {
    Text(value, text);
    return true;
}

bool channelText(float value, char text[CParamDisplay::kTextCapacity], void* /*userData*/) {
    return channelWordText(value, text);
}

CParamDisplayValueToStringProc textProcedure(DisplayText text) {
    switch (text) {
        case DisplayText::kGain: return faceText<gainText>;
        case DisplayText::kPeak: return faceText<peakText>;
        case DisplayText::kChannel: break;
    }
    return channelText;
}

CHoriTxtAlign textAlign(DisplayAlign align) {
    switch (align) {
        case DisplayAlign::kLeft: return kLeftText;
        case DisplayAlign::kRight: return kRightText;
        case DisplayAlign::kCentre: break;
    }
    return kCenterText;
}

float labelWord(int meter, bool sideMid) {
    if (meter == 0) return sideMid ? kWordS : kWordL;
    return sideMid ? kWordM : kWordR;
}

}  // namespace

ADEditor::ADEditor(Scopra* effect) : ADEditorBase(effect, scopraResources()), scopra(effect) {}

ADEditor::~ADEditor() { close(); }

bool ADEditor::open(void* parentWindow) {
    if (!ADEditorBase::open(parentWindow)) return false;
    // A fresh measurement for the fresh face; suspend asks for the reset of
    // the displays, which the first idle applies.
    scopra->suspend();
    scopra->resume();
    return true;
}

void ADEditor::beginIdlePass() {
    const uint32_t now = tickCountMs();
    passDue = now - lastPassMs >= kMeasurePeriodMs;
    if (passDue) {
        lastPassMs = now;
        followLevel();
    }
}

void ADEditor::valueChanged(CControl* control) {
    if (control && control == holdButton) emptyScope();
    ADEditorBase::valueChanged(control);
}

void ADEditor::buildFace() {
    addScope();
    for (int meter = 0; meter < kMeterCount; ++meter) addMeter(meter);
    addLevelSlider();
    gainDisplay = addDisplay(kGainDisplay, scopra->scopeGain() * kGainDisplayScale);
    const bool sideMid = switchedOn(scopra->getParameter(kParamMode));
    for (int meter = 0; meter < kMeterCount; ++meter)
        channelLabels[meter] = addDisplay(kChannelLabels[meter], labelWord(meter, sideMid));
    for (int meter = kMeterCount - 1; meter >= 0; --meter)
        peakReadouts[meter] = addDisplay(kPeakReadouts[meter], 0.f);
    addDisplay(kLevelCaption, kWordLevel);
    autoButton = addButton(kAutoButton);
    holdButton = addButton(kHoldButton);
    modeButton = addButton(kModeButton);
    addAbout({kAboutClickArea, kAboutTag, kAboutBitmap, kAboutDisplayArea, {0, 0},
              kAboutTextOrigin});
}

void ADEditor::addScope() {
    // The overlay is the one image found by name; the view holds it.
    auto* graticule = new CBitmap(scopraResources(), kGraticuleName);
    scope = new COsciloscope(kScope.rect(), this, getLayoutBitmap(kScopeSizeBitmap), graticule,
                             getLayoutBitmap(kBrightPenBitmap), getLayoutBitmap(kDarkPenBitmap));
    graticule->forget();
    // open() suspends the effect right after the face is built, which empties
    // the capture; the first picture already shows that empty burst rather
    // than one left waiting while the editor was closed.
    scope->setPoints(kCentrePoints, kScopePoints);
    addView(scope);
}

void ADEditor::addMeter(int meter) {
    auto* vu = new CVu2Meter(kMeters[meter].rect(), getLayoutBitmap(kMeterLitBitmaps + meter),
                             getLayoutBitmap(kMeterUnlitBitmaps + meter),
                             getLayoutBitmap(kMeterPeakBitmaps + meter), kMeterLeds);
    vu->setDecreaseStepValue(1.f);
    vu->setDefaultValue(0.f);
    vu->setMax(1.f);
    vu->setMin(0.f);
    vu->setValue(0.f);
    vu->setPeakValue(0.f);
    meters[meter] = vu;
    addView(vu);
}

void ADEditor::addLevelSlider() {
    levelSlider = new CVerticalSlider(kLevelSlider.rect(), this, kParamLevel,
                                      kLevelHandleFirstTop, kLevelHandleLastTop,
                                      getLayoutBitmap(kLevelHandleBitmap), getBackgroundBitmap(),
                                      kLevelSliderBackOffset.point(), kBottom);
    levelSlider->setDefaultValue(kLevelDefault);
    levelSlider->setValue(scopra->getParameter(kParamLevel));
    addView(levelSlider);
}

CParamDisplay* ADEditor::addDisplay(const DisplayPlace& place, float value) {
    auto* display = new CParamDisplay(place.rect.rect(), getBackgroundBitmap());
    display->setBackOffset(place.backOffset.point());
    display->setHoriAlign(textAlign(place.align));
    display->setFont(getFont(place.font == FaceFont::kSmall ? kNormalFontSmall
                                                            : kNormalFontVerySmall));
    display->setFontColor(place.colour);
    display->setMax(place.max);
    display->setValueToStringProc(textProcedure(place.text));
    display->setValue(value);
    addView(display);
    return display;
}

COnOffButton* ADEditor::addButton(const ButtonPlace& place) {
    auto* button = new COnOffButton(place.rect.rect(), this, place.parameter,
                                    getLayoutBitmap(place.bitmapId));
    button->setValue(scopra->getParameter(place.parameter));
    addView(button);
    return button;
}

void ADEditor::clearFace() {
    scope = nullptr;
    for (auto& meter : meters) meter = nullptr;
    levelSlider = nullptr;
    gainDisplay = nullptr;
    for (auto& label : channelLabels) label = nullptr;
    for (auto& readout : peakReadouts) readout = nullptr;
    autoButton = holdButton = modeButton = nullptr;
}

void ADEditor::refreshParameter(VstInt32 index) {
    COnOffButton* button = nullptr;
    switch (index) {
        case kParamLevel: followLevel(); return;
        case kParamAuto: button = autoButton; break;
        case kParamHold: button = holdButton; break;
        case kParamMode: button = modeButton; break;
        default: return;
    }
    if (!button) return;
    button->setValue(switchedOn(scopra->getParameter(index)) ? 1.f : 0.f);
    if (index == kParamMode) showMode();
}

void ADEditor::showMode() {
    const bool sideMid = switchedOn(modeButton->getValue());
    for (int meter = 0; meter < kMeterCount; ++meter)
        channelLabels[meter]->setValue(labelWord(meter, sideMid));
}

void ADEditor::followLevel() {
    if (levelSlider) levelSlider->setValue(scopra->getParameter(kParamLevel));
    if (gainDisplay) gainDisplay->setValue(scopra->scopeGain() * kGainDisplayScale);
}

void ADEditor::followMeters() {
    if (!passDue || !scope) return;
    ScopraEngine& measurement = scopra->measurement();
    const MeasurementState readings = measurement.readings();
    const bool sideMid = static_cast<int>(scopra->getDerivedValue(kParamMode) + 0.5f) != 0;
    const DisplayValues shown = meterDisplayValues(readings, sideMid);
    measurement.setDisplayValues(shown);
    takeBurst();
    for (int meter = 0; meter < kMeterCount; ++meter) {
        meters[meter]->setPeakValue(shown.peak[meter]);
        meters[meter]->setHoldValue(holdDisplayValue(readings, meter));
        meters[meter]->setValue(shown.rms[meter]);
        peakReadouts[meter]->setValue(readings.heldPeak[meter]);
        const CColor colour =
            readings.heldPeak[meter] > kOverloadPeak ? kOverloadColour : kCaptionColour;
        if (!(channelLabels[meter]->getFontColor() == colour))
            channelLabels[meter]->setFontColor(colour);
    }
}

void ADEditor::takeBurst() {
    const float redraw = unitRandom();
    if (!scopra->measurement().takeBurst(burst)) return;
    scope->setHold(scopra->getDerivedValue(kParamHold));
    scope->setPoints(burst, kScopePoints);
    scope->setValue(redraw);
    scope->invalid();
}

void ADEditor::emptyScope() {
    scopra->measurement().clearCapture();
    if (!scope) return;
    scope->setPoints(kCentrePoints, kScopePoints);
    scope->setValue(unitRandom());
}

void ADEditor::restMeters() {
    emptyScope();
    for (CVu2Meter* meter : meters) {
        if (!meter) continue;
        meter->resetMeter();
        meter->setPeakValue(0.f);
        meter->setDecreaseStepValue(1.f);
        meter->setValue(unitRandom() * kMeterRestNudge);
    }
    for (CParamDisplay* readout : peakReadouts)
        if (readout) readout->setValue(0.f);
    for (CParamDisplay* label : channelLabels)
        if (label) label->setFontColor(kCaptionColour);
}

}  // namespace scopra
