// scopra's editor: the face of the stereo image analyser. The goniometer,
// the two level meters with their held-peak readouts and channel labels, the
// level slider with its gain display, the auto, hold and mode buttons and the
// about screen. No preset bar.
//
// The measurement is read on the editor's idle, at most once per 35 ms: the
// meters' display values, and the goniometer's next burst when the capture
// has one waiting. The level slider follows the level parameter on the same
// ticks, so that it shows the automatic level, and goes on doing so while
// the about screen freezes the rest. Resets that the effect asks for
// (suspend) are applied by the next idle, like every parameter change.
#pragma once

#include <cstdint>

#include "editor/ad_editor_base.h"
#include "gui/resources.h"
#include "plugins/scopra/scopra_face_layout.h"
#include "plugins/scopra/scopra_scope_capture.h"

// The images of the face, embedded in the library at build time from
// plugins/scopra/art (see resources.cmake there).
const gui::ResourceTable& scopraResources();

class COnOffButton;
class COsciloscope;
class CParamDisplay;
class CVerticalSlider;
class CVu2Meter;
class Scopra;

namespace scopra {

class ADEditor : public ADEditorBase {
public:
    // The shortest time between two passes of the measurement.
    static constexpr uint32_t kMeasurePeriodMs = 35;

    explicit ADEditor(Scopra* effect);
    ~ADEditor() override;

    // The face, then a fresh measurement: the effect is suspended and resumed.
    bool open(void* parentWindow) override;
    // The hold button also empties the goniometer's points at once.
    void valueChanged(CControl* control) override;

protected:
    // Decides whether this pass measures (the 35 ms gate) and follows the level.
    void beginIdlePass() override;
    void buildFace() override;
    void clearFace() override;
    void refreshParameter(VstInt32 index) override;
    void followMeters() override;
    void restMeters() override;

private:
    void addScope();
    void addMeter(int meter);
    void addLevelSlider();
    CParamDisplay* addDisplay(const face::DisplayPlace& place, float value);
    COnOffButton* addButton(const face::ButtonPlace& place);
    void showMode();
    void followLevel();
    void takeBurst();
    void emptyScope();

    Scopra* scopra;
    COsciloscope* scope = nullptr;
    CVu2Meter* meters[face::kMeterCount] = {};
    CVerticalSlider* levelSlider = nullptr;
    CParamDisplay* gainDisplay = nullptr;
    CParamDisplay* channelLabels[face::kMeterCount] = {};
    CParamDisplay* peakReadouts[face::kMeterCount] = {};
    COnOffButton* autoButton = nullptr;
    COnOffButton* holdButton = nullptr;
    COnOffButton* modeButton = nullptr;
    ScopePoint burst[kScopePoints] = {};
    uint32_t lastPassMs = 0;
    bool passDue = false;  // this idle is a measuring pass
};

}  // namespace scopra
