// Sizes and proportions shared by the images of the family.
#pragma once

#include "drawing.h"

namespace art::style {

// Control images whose sizes the editors rely on.
constexpr Size kHandleSize{16, 24};          // horizontal sliders
constexpr Size kVerticalHandleSize{24, 16};  // vertical sliders
constexpr Size kMeterStripSize{182, 15};
constexpr int kSwitchStateHeight = 14;
constexpr int kWideSwitchWidth = 45;
constexpr int kNarrowSwitchWidth = 25;
constexpr Size kAboutSize{220, 100};

// Analyser.
constexpr Size kScopeLayerSize{176, 159};
constexpr Size kGraticuleSize{173, 158};
constexpr Size kLevelTrackSize{5, 114};
constexpr Size kPenSize{1, 1};
constexpr Size kAnalyserKeySize{31, 20};
constexpr Size kAnalyserModeKeySize{34, 20};

// Preset bar buttons, per state.
constexpr int kBarButtonWidth = 12;
constexpr int kBarButtonHeight = 14;
constexpr int kBarLabelButtonHeight = 10;
constexpr int kRockerWidth = 31;
constexpr int kDefaultPresetWidth = 47;
constexpr int kDefaultBankWidth = 37;

// Slider handle.
constexpr double kHandleRadius = 2.5;
constexpr int kHandleIndexInset = 4;  // rows kept free above and below the index line
constexpr int kHandleIndexWidth = 2;

// Slider groove, centred on the handle's travel.
constexpr int kGrooveHeight = 4;
constexpr int kGrooveEndMargin = 3;  // from the slider's ends to the groove's ends
constexpr int kTickLength = 3;
constexpr int kTickGap = 2;          // between the groove and its ticks
constexpr int kTickCount = 5;        // 0, 1/4, 1/2, 3/4, 1

// Meter strips: scale marks along the top and bottom edge, bar in between.
constexpr int kMeterDivisions = 8;
constexpr int kMeterMajorTick = 3;
constexpr int kMeterMinorTick = 2;
constexpr int kMeterBarTop = 4;
constexpr int kMeterBarBottom = 11;  // exclusive

// Keys.
constexpr double kKeyRadius = 2.0;

// Wells: a dark floor ring and a one-pixel recess around it.
constexpr int kWellFloorWidth = 1;

// Panel edge: outline plus a bevel just inside it.
constexpr int kPanelBevel = 1;
constexpr int kRuleMargin = 8;       // engraved rules end this far from the edges

// Texts.
constexpr TextStyle kSwitchLabel{8.5, true, palette::kKeyTextOn};  // ink set by the key
constexpr TextStyle kSmallKeyLabel{7.5, true, palette::kKeyTextOn};  // keys under 14 rows
constexpr TextStyle kTitle{16.0, true, palette::kTitleInk};
constexpr TextStyle kMaker{8.0, true, palette::kSignal, 1.6};
constexpr TextStyle kDescriptor{9.0, false, palette::kHeaderInk};
constexpr TextStyle kScaleNumber{7.5, false, palette::kPrintStrong};
constexpr TextStyle kGraticuleLabel{7.5, false, palette::kGraticuleText};
constexpr TextStyle kBarLetter{9.0, true, palette::kPrintStrong};
constexpr int kHeaderHeight = 18;    // band along the top, below the outline
constexpr int kHeaderBaseline = 13;
constexpr int kHeaderMargin = 10;
constexpr int kTitleRuleGap = 10;    // between the title and its flanking rules

// Maker's name as it appears on the faces.
constexpr const char* kMakerName = "KAVEXSOUND";

}  // namespace art::style
