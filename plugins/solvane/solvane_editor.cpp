#include "plugins/solvane/solvane_editor.h"

#include "editor/face_controls.h"
#include "gui/buttons.h"
#include "gui/param_display.h"
#include "gui/slider.h"
#include "plugins/solvane/solvane.h"
#include "plugins/solvane/solvane_face_layout.h"
#include "plugins/solvane/solvane_parameters.h"

namespace solvane {

namespace {

using namespace face;

constexpr float kReadingToMeter = 0.5f;  // readings of -0.5..0.5 on a 0..1 meter
constexpr int32_t kSliderStyle = kRight;  // value 1 at the left end

// The read-outs' value-to-text procedure: the text of the parameter row given
// as user data.
bool readOutText(float value, char text[CParamDisplay::kTextCapacity], void* row) {
    static_cast<const ParameterRow<SolvaneEngine>*>(row)->faceText(value, text);
    return true;
}

}  // namespace

ADEditor::ADEditor(Solvane* effect)
    : CPresetSystemEditor(effect, solvaneResources(), kPresetBarTop), solvane(effect) {}

ADEditor::~ADEditor() { close(); }

void ADEditor::buildFace() {
    addLabels();
    addMeter(kMidSideMeter);
    for (int row = 0; row < kRowsAboveLeftRightMeter; ++row) addSliderRow(row);
    addMeter(kLeftRightMeter);
    for (int row = kRowsAboveLeftRightMeter; row <= kCenterPos; ++row) addSliderRow(row);
    addSwitches();
    addAbout(kAbout);
}

void ADEditor::addLabels() {
    int k = 0;
    for (const LabelPlace& place : kLabels) {
        auto* label = new CParamDisplay(place.rect.rect(), getBackgroundBitmap(), place.style);
        label->setBackOffset(place.backOffset.point());
        label->setFont(getFont(kNormalFontSmall));
        label->setFontColor(kTextColour);
        label->setHoriAlign(place.alignRight ? kRightText : kLeftText);
        label->setMin(0.f);
        label->setMax(kLabelMaxValue);
        label->setValueToStringProc(face_text::faceText<labelText>);
        label->setValue(place.word);
        labels[k++] = label;
        addView(label);
    }
}

void ADEditor::addMeter(int meter) {
    auto* vu = new CVuMeter1(kMeterRects[meter].rect(), getLayoutBitmap(kMeterLitBitmap),
                             getLayoutBitmap(kMeterUnlitBitmap), kMeterSegments, kHorizontal);
    vu->setMin(0.f);
    vu->setMax(1.f);
    vu->setDefaultValue(kMeterRest);
    vu->setDecreaseStepValue(kMeterDecrease);
    vu->setValue(kMeterRest);
    meters[meter] = vu;
    addView(vu);
}

void ADEditor::addSliderRow(int row) {
    const SliderRow& place = kSliderRows[row];
    const VstInt32 index = place.parameter;
    auto* slider = new CHorizontalSlider(place.slider.rect(), this, index, kHandleMinX,
                                         kHandleMaxX, getLayoutBitmap(kHandleBitmap),
                                         getBackgroundBitmap(), place.slider.topLeft(),
                                         kSliderStyle);
    slider->setOffsetHandle(place.handleOffset.point());
    slider->setDefaultValue(kSliderDefault);
    slider->setValue(solvane->getParameter(index));
    sliders[index] = slider;
    addView(slider);

    auto* display = new CParamDisplay(place.display.rect(), getBackgroundBitmap(), kDisplayStyle);
    display->setBackOffset(place.displayBackOffset.point());
    display->setFont(getFont(kNormalFontSmall));
    display->setFontColor(kTextColour);
    display->setHoriAlign(kLeftText);
    display->setMax(place.displayMax);
    const ParameterRow<SolvaneEngine>* parameter = &solvane->parameterRow(index);
    display->setValueToStringProc(readOutText,
                                  const_cast<ParameterRow<SolvaneEngine>*>(parameter));
    display->setValue(solvane->getFaceValue(index));
    displays[index] = display;
    addView(display);
}

void ADEditor::addSwitches() {
    for (const SwitchPlace& place : kSwitches) {
        auto* button = new COnOffButton(place.rect.rect(), this, place.parameter,
                                        getLayoutBitmap(place.bitmapId), kSwitchStyle);
        button->setValue(solvane->getParameter(place.parameter));
        switches[place.parameter] = button;
        addView(button);
    }
}

void ADEditor::clearFace() {
    for (auto& slider : sliders) slider = nullptr;
    for (auto& display : displays) display = nullptr;
    for (auto& button : switches) button = nullptr;
    for (auto& meter : meters) meter = nullptr;
    for (auto& label : labels) label = nullptr;
}

void ADEditor::refreshParameter(VstInt32 index) {
    if (!solvane->holdsValue(index)) return;
    if (index <= kCenterPos) {
        if (sliders[index]) sliders[index]->setValue(solvane->getParameter(index));
        if (displays[index]) displays[index]->setValue(solvane->getFaceValue(index));
        return;
    }
    if (switches[index]) switches[index]->setValue(solvane->getFaceValue(index));
}

void ADEditor::followMeters() {
    if (meters[kMidSideMeter])
        meters[kMidSideMeter]->setValue(solvane->midSideReading() + kReadingToMeter);
    if (meters[kLeftRightMeter])
        meters[kLeftRightMeter]->setValue(solvane->leftRightReading() + kReadingToMeter);
}

void ADEditor::restMeters() {
    for (CVuMeter1* meter : meters)
        if (meter) meter->setValue(kMeterRest);
}

}  // namespace solvane
