#include "plugins/duplimo/duplimo_editor.h"

#include <iterator>

#include "editor/face_texts.h"
#include "gui/buttons.h"
#include "gui/slider.h"
#include "plugins/duplimo/duplimo.h"

namespace duplimo {

namespace {

using namespace face;
using face_text::faceText;

constexpr double kCaptionsPerUnit = 10.0;  // the captions hold word / 10

void captionText(float value, char* text) {
    face_text::wordText(face_text::integerPart(kCaptionsPerUnit * value), kWords,
                        std::size(kWords), text);
}

}  // namespace

ADEditor::ADEditor(Duplimo* effect)
    : CSliderFaceEditor(effect, duplimoResources(), kPresetBarTop), duplimo(effect) {}

ADEditor::~ADEditor() { close(); }

void ADEditor::buildFace() {
    addCaption(kMeterLeftEnd, kWordS);
    addCaption(kMeterRightEnd, kWordM);
    for (const SliderRow& row : kRows) addCaption(row.caption, row.captionWord);
    addMeter(kMeter);
    for (int row = 0; row < kRowCount; ++row) {
        sliders[row] = addSlider(kRows[row], duplimo->getParameter(kRows[row].parameter));
        readOuts[row] = addReadOut(kRows[row], readOutValue(row));
    }
    processButton = addOnOffButton(kProcessButton, duplimo->getParameter(kProcess));
    phaseButton = addOnOffButton(kPhaseButton, duplimo->getParameter(kPhase));
    addAbout(kAbout);
}

void ADEditor::addCaption(const TextPlace& place, int word) {
    addText(place, faceText<captionText>, kCaptionMaxValue,
            static_cast<float>(word) * kCaptionStep);
}

// The width read-out shows the slider's value, the others the engine's.
float ADEditor::readOutValue(int row) const {
    const VstInt32 index = kRows[row].parameter;
    return index == kWidth ? duplimo->getParameter(index) : duplimo->getDerivedValue(index);
}

void ADEditor::clearFace() {
    CSliderFaceEditor::clearFace();
    for (int row = 0; row < kRowCount; ++row) {
        sliders[row] = nullptr;
        readOuts[row] = nullptr;
    }
    processButton = nullptr;
    phaseButton = nullptr;
}

// Only the controls change: each one that shows a new value is redrawn by
// the next idle without the whole frame being marked.
void ADEditor::refreshParameter(VstInt32 index) {
    for (int row = 0; row < kRowCount; ++row) {
        if (kRows[row].parameter != index) continue;
        if (sliders[row]) sliders[row]->setValue(duplimo->getParameter(index));
        if (readOuts[row]) readOuts[row]->setValue(readOutValue(row));
    }
    COnOffButton* button = index == kProcess ? processButton
                           : index == kPhase ? phaseButton
                                             : nullptr;
    if (button) button->setValue(switchValue(duplimo->getParameter(index)));
}

float ADEditor::meterReading() { return duplimo->monoSideReading(); }

}  // namespace duplimo
