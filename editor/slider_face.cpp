#include "editor/slider_face.h"

#include "editor/face_controls.h"
#include "editor/face_texts.h"
#include "gui/buttons.h"
#include "gui/slider.h"

using namespace slider_face;
using face_text::faceText;

namespace {

constexpr int32_t kMeterSegments = 182;  // one per pixel of the strip
constexpr float kMeterRest = 0.5f;
constexpr float kReadingToMeter = 0.5f;  // readings of -0.5..0.5 on a 0..1 meter
constexpr float kSwitchThreshold = 0.5f;
constexpr int32_t kSliderStyle = kRight;  // value 1 at the left end, 0 at the right
constexpr int32_t kButtonStyle = 0;
constexpr int32_t kRightTextStyle = 2;
constexpr int32_t kLeftTextStyle = 0;
constexpr CColor kTextColour = MakeCColor(0, 0, 0);

CParamDisplayValueToStringProc readOutProc(ReadOut readOut) {
    switch (readOut) {
        case ReadOut::kFrequency: return faceText<face_text::frequencyText>;
        case ReadOut::kPercent: break;
    }
    return faceText<face_text::percentText>;
}

}  // namespace

CSliderFaceEditor::CSliderFaceEditor(CPresetSystemEffect* effect,
                                     const gui::ResourceTable& resources, CCoord barTop)
    : CPresetSystemEditor(effect, resources, barTop) {}

float CSliderFaceEditor::switchValue(float parameter) {
    return parameter >= kSwitchThreshold ? 1.f : 0.f;
}

void CSliderFaceEditor::addMeter(const MeterPlace& place) {
    auto* meter = new CVuMeter1(place.rect.rect(), getLayoutBitmap(kMeterLitBitmap),
                                getLayoutBitmap(kMeterUnlitBitmap), kMeterSegments, kHorizontal);
    meter->setMin(0.f);
    meter->setMax(1.f);
    meter->setDefaultValue(kMeterRest);
    meter->setDecreaseStepValue(place.decrease);
    meter->setValue(kMeterRest);
    meter_ = meter;
    addView(meter);
}

CParamDisplay* CSliderFaceEditor::addText(const TextPlace& place,
                                          CParamDisplayValueToStringProc text, float max,
                                          float value) {
    const bool right = place.align == Align::kRight;
    auto* display = new CParamDisplay(place.rect.rect(), getBackgroundBitmap(),
                                      right ? kRightTextStyle : kLeftTextStyle);
    display->setBackOffset(place.backOffset.point());
    display->setFont(getFont(kNormalFontSmall));
    display->setFontColor(kTextColour);
    display->setHoriAlign(right ? kRightText : kLeftText);
    display->setMax(max);
    display->setValueToStringProc(text);
    display->setValue(value);
    addView(display);
    return display;
}

CHorizontalSlider* CSliderFaceEditor::addSlider(const SliderRow& row, float value) {
    const FaceRect& place = row.slider;
    auto* slider = new CHorizontalSlider(
        place.rect(), this, row.parameter, static_cast<int32_t>(place.left),
        static_cast<int32_t>(place.right - kHandleWidth), getLayoutBitmap(kHandleBitmap),
        getBackgroundBitmap(), place.topLeft(), kSliderStyle);
    slider->setOffsetHandle(CPoint(0, 0));
    slider->setDefaultValue(row.sliderDefault);
    slider->setValue(value);
    addView(slider);
    return slider;
}

CParamDisplay* CSliderFaceEditor::addReadOut(const SliderRow& row, float value) {
    return addText(row.readOut, readOutProc(row.readOutText), row.readOutMax, value);
}

COnOffButton* CSliderFaceEditor::addOnOffButton(const ButtonPlace& place, float value) {
    auto* button = new COnOffButton(place.rect.rect(), this, place.parameter,
                                    getLayoutBitmap(place.bitmapId), kButtonStyle);
    button->setValue(value);
    addView(button);
    return button;
}

CClickButton* CSliderFaceEditor::addClickButton(const ButtonPlace& place, int states,
                                                float value) {
    auto* button = new CClickButton(place.rect.rect(), this, place.parameter,
                                    getLayoutBitmap(place.bitmapId), states);
    button->setValue(value);
    addView(button);
    return button;
}

void CSliderFaceEditor::clearFace() { meter_ = nullptr; }

void CSliderFaceEditor::followMeters() {
    if (meter_) meter_->setValue(meterReading() + kReadingToMeter);
}

void CSliderFaceEditor::restMeters() {
    if (meter_) meter_->setValue(kMeterRest);
}
