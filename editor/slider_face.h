// The editor base of the faces built from slider rows (widmoor, duplimo): a
// level meter of the effect's published reading, sliders with read-outs and
// captions, buttons and the about area, above the preset bar. Each piece is
// made here as every such face shows it, from the plain data of
// editor/slider_face_layout.h; each plug-in's ADEditor places the pieces in
// its own order and says what they show.
#pragma once

#include "editor/face_texts.h"
#include "editor/slider_face_layout.h"
#include "gui/param_display.h"
#include "presets/preset_system_editor.h"

class CClickButton;
class CHorizontalSlider;
class COnOffButton;
class CVuMeter1;

class CSliderFaceEditor : public CPresetSystemEditor {
public:
    // A button's value for a switch parameter: 1 from 0.5 up, else 0.
    static float switchValue(float parameter);

protected:
    CSliderFaceEditor(CPresetSystemEffect* effect, const gui::ResourceTable& resources,
                      CCoord barTop);

    // The effect's meter reading, -0.5 .. 0.5 around the meter's centre.
    virtual float meterReading() = 0;

    // The one level meter, at rest; the editor keeps it for the idle.
    void addMeter(const slider_face::MeterPlace& place);
    // A display of `value` in the faces' font and colour over the background.
    CParamDisplay* addText(const slider_face::TextPlace& place,
                           CParamDisplayValueToStringProc text, float max, float value);
    CHorizontalSlider* addSlider(const slider_face::SliderRow& row, float value);
    CParamDisplay* addReadOut(const slider_face::SliderRow& row, float value);
    COnOffButton* addOnOffButton(const slider_face::ButtonPlace& place, float value);
    CClickButton* addClickButton(const slider_face::ButtonPlace& place, int states, float value);

    // Faces that keep more views call this from their own clearFace.
    void clearFace() override;
    void followMeters() override;
    void restMeters() override;

private:
    CVuMeter1* meter_ = nullptr;
};
