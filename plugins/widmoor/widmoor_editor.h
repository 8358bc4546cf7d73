// widmoor's editor: the face of the stereo image enhancer. The width meter
// with "S" and "M" at its ends, rows for depth, base frequency and width or
// emphasis, the process, mode and phase buttons and the about area; the
// preset bar and everything else is the shared editor base.
#pragma once

#include "editor/slider_face.h"
#include "gui/resources.h"
#include "plugins/widmoor/widmoor_face_layout.h"

// The images of the face, embedded in the library at build time from
// plugins/widmoor/art (see resources.cmake there).
const gui::ResourceTable& widmoorResources();

class AComb;

namespace widmoor {

class ADEditor : public CSliderFaceEditor {
public:
    explicit ADEditor(AComb* effect);
    ~ADEditor() override;

protected:
    void buildFace() override;
    void clearFace() override;
    void refreshParameter(VstInt32 index) override;
    float meterReading() override;

private:
    void addRow(int row);
    // What the mode parameter makes of the third row and the mode button.
    bool emphasisMode() const;
    float widthEmphasisShown() const;
    float captionWordOf(int row) const;
    float modeButtonValue() const;
    float readOutValue(int row) const;
    void refreshModeViews();

    AComb* comb;
    CHorizontalSlider* sliders[face::kRowCount] = {};
    CParamDisplay* readOuts[face::kRowCount] = {};
    CParamDisplay* captions[face::kRowCount] = {};
    COnOffButton* processButton = nullptr;
    CClickButton* modeButton = nullptr;
    COnOffButton* phaseButton = nullptr;
};

}  // namespace widmoor
