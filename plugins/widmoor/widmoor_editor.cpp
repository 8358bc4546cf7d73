#include "plugins/widmoor/widmoor_editor.h"

#include <iterator>

#include "editor/face_controls.h"
#include "editor/face_texts.h"
#include "gui/buttons.h"
#include "gui/slider.h"
#include "plugins/widmoor/widmoor.h"

namespace widmoor {

namespace {

using namespace face;
using face_text::faceText;

// The mode parameter's thresholds, the same double constants the effect
// compares against, and the mode button's value for each mode.
constexpr double kSecondModeFrom = 0.33;
constexpr double kThirdModeFrom = 0.67;
constexpr float kFirstModeButton = 0.f;
constexpr float kSecondModeButton = 0.5f;
constexpr float kThirdModeButton = 1.f;
// In the first two modes the third row shows the side width 1 + 3 w.
constexpr float kWidthBase = 1.f;
constexpr float kWidthPerValue = 3.f;

void wordOf(float value, char* text) {
    face_text::wordText(face_text::integerPart(value), kWords, std::size(kWords), text);
}

}  // namespace

ADEditor::ADEditor(AComb* effect)
    : CSliderFaceEditor(effect, widmoorResources(), kPresetBarTop), comb(effect) {}

ADEditor::~ADEditor() { close(); }

void ADEditor::buildFace() {
    addMeter(kMeter);
    addText(kMeterLeftEnd, faceText<wordOf>, kWordMaxValue, kWordS);
    addText(kMeterRightEnd, faceText<wordOf>, kWordMaxValue, kWordM);
    for (int row = 0; row < kRowCount; ++row) addRow(row);
    processButton = addOnOffButton(kProcessButton, comb->getParameter(kProcess));
    modeButton = addClickButton(kModeButton, kModeStates, modeButtonValue());
    phaseButton = addOnOffButton(kPhaseButton, comb->getParameter(kPhase));
    addAbout(kAbout);
}

void ADEditor::addRow(int row) {
    const SliderRow& place = kRows[row];
    sliders[row] = addSlider(place, comb->getParameter(place.parameter));
    readOuts[row] = addReadOut(place, readOutValue(row));
    captions[row] = addText(place.caption, faceText<wordOf>, kWordMaxValue, captionWordOf(row));
}

// "Not below" rather than "at least": a mode value that compares with nothing
// shows the third mode, as the mode button and the host do.
bool ADEditor::emphasisMode() const {
    return !(static_cast<double>(comb->getParameter(kMode)) < kThirdModeFrom);
}

float ADEditor::widthEmphasisShown() const {
    const float w = comb->getParameter(kWidthEmphasis);
    return emphasisMode() ? w : kWidthBase + kWidthPerValue * w;
}

float ADEditor::captionWordOf(int row) const {
    if (kRows[row].parameter != kWidthEmphasis) return static_cast<float>(kRows[row].captionWord);
    return static_cast<float>(emphasisMode() ? kWordEmph : kWordWidth);
}

float ADEditor::modeButtonValue() const {
    const double mode = comb->getParameter(kMode);
    if (mode < kSecondModeFrom) return kFirstModeButton;
    return mode < kThirdModeFrom ? kSecondModeButton : kThirdModeButton;
}

float ADEditor::readOutValue(int row) const {
    switch (kRows[row].parameter) {
        case kBaseFreq: return comb->getDerivedValue(kBaseFreq);
        case kWidthEmphasis: return widthEmphasisShown();
        default: return comb->getParameter(kRows[row].parameter);
    }
}

void ADEditor::clearFace() {
    CSliderFaceEditor::clearFace();
    for (int row = 0; row < kRowCount; ++row) {
        sliders[row] = nullptr;
        readOuts[row] = nullptr;
        captions[row] = nullptr;
    }
    processButton = nullptr;
    modeButton = nullptr;
    phaseButton = nullptr;
}

void ADEditor::refreshParameter(VstInt32 index) {
    for (int row = 0; row < kRowCount; ++row) {
        if (kRows[row].parameter != index) continue;
        if (sliders[row]) sliders[row]->setValue(comb->getParameter(index));
        if (readOuts[row]) readOuts[row]->setValue(readOutValue(row));
    }
    switch (index) {
        case kProcess:
            if (processButton) processButton->setValue(switchValue(comb->getParameter(index)));
            break;
        case kPhase:
            if (phaseButton) phaseButton->setValue(switchValue(comb->getParameter(index)));
            break;
        case kMode: refreshModeViews(); break;
        default: break;
    }
}

// The mode decides the mode button's image, the third row's caption and
// what its read-out shows.
void ADEditor::refreshModeViews() {
    if (modeButton) modeButton->setValue(modeButtonValue());
    for (int row = 0; row < kRowCount; ++row) {
        if (kRows[row].parameter != kWidthEmphasis) continue;
        if (captions[row]) captions[row]->setValue(captionWordOf(row));
        if (readOuts[row]) readOuts[row]->setValue(readOutValue(row));
    }
}

float ADEditor::meterReading() { return comb->widthMeter(); }

}  // namespace widmoor
