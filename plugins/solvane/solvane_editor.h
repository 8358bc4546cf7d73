// solvane's editor: the face of the stereo image controller. Five sliders
// with their read-outs, four switches, the mid/side and left/right meters,
// the labels and the about screen; the preset bar and everything else is the
// shared editor base.
#pragma once

#include "gui/resources.h"
#include "plugins/solvane/solvane_parameters.h"
#include "presets/preset_system_editor.h"

// The images of the face, embedded in the library at build time from
// plugins/solvane/art (see resources.cmake there).
const gui::ResourceTable& solvaneResources();

class CHorizontalSlider;
class COnOffButton;
class CParamDisplay;
class CVuMeter1;
class Solvane;

namespace solvane {

class ADEditor : public CPresetSystemEditor {
public:
    explicit ADEditor(Solvane* effect);
    ~ADEditor() override;

protected:
    void buildFace() override;
    void clearFace() override;
    void refreshParameter(VstInt32 index) override;
    void followMeters() override;
    void restMeters() override;

private:
    void addLabels();
    void addMeter(int meter);
    void addSliderRow(int row);
    void addSwitches();

    Solvane* solvane;
    CHorizontalSlider* sliders[kCenterPos + 1] = {};
    CParamDisplay* displays[kCenterPos + 1] = {};
    COnOffButton* switches[kNumParams] = {};  // indices kProcess..kInvertRight
    CVuMeter1* meters[2] = {};
    static constexpr int kLabelCount = 9;
    CParamDisplay* labels[kLabelCount] = {};
};

}  // namespace solvane
