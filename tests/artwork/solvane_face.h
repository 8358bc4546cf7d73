// What solvane's editor expects of its images: resource numbers and sizes,
// and the places on the 302 x 343 face where it puts its controls and texts.
#pragma once

#include <vector>

#include "face_requirements.h"

namespace arttest::solvane {

// Every image the editor loads, with the size it relies on.
inline const std::vector<ImageNeed> kImages = withPresetBar({
    {128, 302, 343},  // background, fixes the editor size
    {134, 16, 24},    // slider handle
    {135, 182, 15},   // lit meter strip
    {136, 182, 15},   // unlit meter strip
    {137, 45, 28},    // "process" switch, off above on
    {138, 45, 28},    // "phase" switch
    {139, 25, 28},    // "-L" switch
    {140, 25, 28},    // "-R" switch
    {141, 220, 100},  // about image
});

inline const std::vector<int> kPushButtons = {19899, 19990, 19991, 19992, 19993,
                                              19994, 19995, 19996, 19998, 19999};
constexpr int kPushButtonStates = 3;
constexpr int kRocker = 19997;
constexpr int kRockerStates = 5;
constexpr double kRockerCentre = 15.5;  // from its left edge; the centre counts as right

constexpr int kPresetBarTop = 312;

constexpr int kBackground = 128, kHandle = 134, kMeterLit = 135, kMeterUnlit = 136;
constexpr int kAbout = 141;
constexpr int kSwitchStateRows = 14;

inline const std::vector<TextDisplay> kTextDisplays = {
    {{2, 25, 42, 42}, 2, 28},      {{258, 25, 298, 42}, 258, 28},   // S, M
    {{2, 55, 42, 72}, 2, 60},      {{2, 86, 42, 103}, 2, 91},       // width, gain
    {{2, 118, 42, 135}, 2, 123},   {{258, 120, 298, 137}, 258, 123},  // L, R
    {{2, 150, 42, 167}, 2, 155},   {{2, 181, 42, 198}, 2, 187},     // balan, stabil
    {{2, 212, 42, 229}, 2, 219},                                     // center
    {{258, 55, 322, 72}, 258, 60}, {{258, 86, 322, 103}, 258, 91},  // width, gain values
    {{258, 150, 322, 167}, 258, 155}, {{258, 181, 322, 198}, 258, 187},
    {{258, 212, 322, 229}, 258, 219},
};

inline const std::vector<Area> kMeters = {{60, 25, 242, 40}, {60, 121, 242, 136}};

struct Slider {
    Area rect;
    int handleOffsetY;
};

inline const std::vector<Slider> kSliders = {
    {{63, 51, 239, 76}, 1},   {{63, 83, 239, 108}, 0},  {{63, 147, 239, 172}, 0},
    {{63, 179, 239, 204}, 0}, {{63, 211, 239, 236}, 0},
};
constexpr int kHandleTravel = 160;  // 239 - 63 - 16

struct Switch {
    Area rect;
    int image;
};

inline const std::vector<Switch> kSwitches = {
    {{68, 247, 113, 261}, 137},
    {{122, 247, 147, 261}, 139},
    {{156, 247, 181, 261}, 140},
    {{190, 247, 235, 261}, 138},
};

// Rows of the about image the editor writes on (for text origins (0, 8) and
// (0, 12), the two used in the family), across its whole width.
inline const std::vector<std::pair<int, int>> kAboutTextRows = {{8, 62}, {79, 98}};

}  // namespace arttest::solvane
