// duplimo's editor: the face of the mono-to-stereo effect. The mono/side
// meter with "S" and "M" at its ends, rows for width, base frequency and
// emphasis, the process and phase buttons and the about area; the preset bar
// and everything else is the shared editor base.
#pragma once

#include "editor/slider_face.h"
#include "gui/resources.h"
#include "plugins/duplimo/duplimo_face_layout.h"

// The images of the face, embedded in the library at build time from
// plugins/duplimo/art (see resources.cmake there).
const gui::ResourceTable& duplimoResources();

class Duplimo;

namespace duplimo {

class ADEditor : public CSliderFaceEditor {
public:
    explicit ADEditor(Duplimo* effect);
    ~ADEditor() override;

protected:
    void buildFace() override;
    void clearFace() override;
    void refreshParameter(VstInt32 index) override;
    float meterReading() override;

private:
    void addCaption(const slider_face::TextPlace& place, int word);
    float readOutValue(int row) const;

    Duplimo* duplimo;
    CHorizontalSlider* sliders[face::kRowCount] = {};
    CParamDisplay* readOuts[face::kRowCount] = {};
    COnOffButton* processButton = nullptr;
    COnOffButton* phaseButton = nullptr;
};

}  // namespace duplimo
