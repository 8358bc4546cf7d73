// Where everything stands on solvane's editor face (302 x 343 pixels of the
// background bitmap), with the bitmaps, tags and styles of each control. Plain
// data: the editor builds the face from it and the artwork tool draws the
// background under the same places.
#pragma once

#include "gui/color.h"
#include "gui/geometry.h"
#include "plugins/solvane/solvane_parameters.h"

namespace solvane::face {

constexpr const char* kProduct = "solvane";
constexpr const char* kDescriptor = "stereo image controller";
constexpr int kFaceWidth = 302;
constexpr int kFaceHeight = 343;
// Rows of the engraved rules between the groups of controls.
constexpr int kRuleRows[] = {113, 240};

// Bitmap resources of the face besides the background.
enum BitmapId : int {
    kHandleBitmap = 134,
    kMeterLitBitmap = 135,
    kMeterUnlitBitmap = 136,
    kProcessSwitchBitmap = 137,
    kPhaseSwitchBitmap = 138,
    kInvertLeftSwitchBitmap = 139,
    kInvertRightSwitchBitmap = 140,
    kAboutBitmap = 141,
};

// Text labels: fixed words chosen by the display's value (see labelText).
constexpr float kLabelMaxValue = 10.f;
struct LabelPlace {
    float word;
    FaceRect rect;
    FacePoint backOffset;
    bool alignRight;
    int32_t style;
};
constexpr int kRightLabelStyle = 2;
constexpr int kLeftLabelStyle = 0;
constexpr LabelPlace kLabels[] = {
    {0, {2, 25, 42, 42}, {2, 28}, true, kRightLabelStyle},          // "S"
    {1, {258, 25, 298, 42}, {258, 28}, false, kLeftLabelStyle},     // "M"
    {4, {2, 55, 42, 72}, {2, 60}, true, kRightLabelStyle},          // "width"
    {5, {2, 86, 42, 103}, {2, 91}, true, kRightLabelStyle},         // "gain"
    {2, {2, 118, 42, 135}, {2, 123}, true, kRightLabelStyle},       // "L"
    {3, {258, 120, 298, 137}, {258, 123}, false, kLeftLabelStyle},  // "R"
    {6, {2, 150, 42, 167}, {2, 155}, true, kRightLabelStyle},       // "balan"
    {7, {2, 181, 42, 198}, {2, 187}, true, kRightLabelStyle},       // "stabil"
    {8, {2, 212, 42, 229}, {2, 219}, true, kRightLabelStyle},       // "center"
};

// Sliders of parameters 0..4: value 1 at the left end, 0 at the right.
constexpr int32_t kHandleMinX = 63;
constexpr int32_t kHandleMaxX = 223;  // the right edge 239 minus the handle width
constexpr float kSliderDefault = 0.5f;

// Value displays beside the sliders.
constexpr int32_t kDisplayStyle = 0;

struct SliderRow {
    VstInt32 parameter;
    FaceRect slider;
    FacePoint handleOffset;
    FaceRect display;
    FacePoint displayBackOffset;
    float displayMax;
};
// Each read-out's text is its parameter row's face text.
constexpr SliderRow kSliderRows[] = {
    {kWidth, {63, 51, 239, 76}, {0, 1}, {258, 55, 322, 72}, {258, 60}, 4},
    {kGain, {63, 83, 239, 108}, {0, 0}, {258, 86, 322, 103}, {258, 91}, 4},
    {kBalance, {63, 147, 239, 172}, {0, 0}, {258, 150, 322, 167}, {258, 155}, 1},
    {kStability, {63, 179, 239, 204}, {0, 0}, {258, 181, 322, 198}, {258, 187}, 1},
    {kCenterPos, {63, 211, 239, 236}, {0, 0}, {258, 212, 322, 229}, {258, 219}, 1},
};
// The meter between the gain row and the balance row is built after this many rows.
constexpr int kRowsAboveLeftRightMeter = 2;

// Meters: reading + 0.5 on 0..1, following the reading at once.
enum Meter { kMidSideMeter = 0, kLeftRightMeter = 1, kMeterCount };
constexpr FaceRect kMeterRects[kMeterCount] = {{60, 25, 242, 40}, {60, 121, 242, 136}};
constexpr int32_t kMeterSegments = 182;
constexpr float kMeterRest = 0.5f;
constexpr float kMeterDecrease = 1.f;

// Switches of parameters 5..8, in the order they are built.
struct SwitchPlace {
    VstInt32 parameter;
    FaceRect rect;
    int bitmapId;
};
constexpr int32_t kSwitchStyle = 0;
constexpr SwitchPlace kSwitches[] = {
    {kProcess, {68, 247, 113, 261}, kProcessSwitchBitmap},
    {kInvertLeft, {122, 247, 147, 261}, kInvertLeftSwitchBitmap},
    {kInvertRight, {156, 247, 181, 261}, kInvertRightSwitchBitmap},
    {kPhase, {190, 247, 235, 261}, kPhaseSwitchBitmap},
};

// The about image centred in the upper 302 x 311 pixels of the face.
constexpr int32_t kAboutTag = 10;
constexpr AboutPlacement kAbout{
    {70, 282, 225, 302}, kAboutTag, kAboutBitmap, {41, 105.5, 261, 205.5}, {0, 0}, {0, 8}};

constexpr CColor kTextColour = MakeCColor(0, 0, 0);

// The preset bar's top edge, below the about control's click area.
constexpr CCoord kPresetBarTop = 312;
// The title is written where the about control is clicked.
constexpr FaceRect kTitle = kAbout.clickArea;

}  // namespace solvane::face
