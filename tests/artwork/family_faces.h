// What the editors of widmoor, duplimo and scopra expect of their images.
// Their files live with each plug-in; these needs are checked against what
// kv_artwork draws for them.
#pragma once

#include "face_requirements.h"

namespace arttest {

inline const FaceNeeds kWidmoor{
    "widmoor",
    withPresetBar({{128, 302, 246}, {134, 16, 24}, {135, 182, 15}, {136, 182, 15},
                   {137, 45, 28}, {138, 45, 28}, {139, 45, 42}, {140, 220, 100}}),
    {{{2, 24, 42, 41}, 2, 27},      {{258, 24, 298, 41}, 258, 27},   // S, M
     {{258, 54, 322, 71}, 258, 59}, {{2, 54, 42, 71}, 2, 59},        // depth
     {{258, 86, 322, 103}, 258, 91}, {{2, 86, 42, 103}, 2, 91},      // frequency
     {{258, 118, 322, 135}, 258, 123}, {{2, 118, 42, 135}, 2, 123}},  // width / emphasis
    {nameFieldArea(215)}};

inline const FaceNeeds kDuplimo{
    "duplimo",
    withPresetBar({{128, 302, 245}, {134, 16, 24}, {135, 182, 15}, {136, 182, 15},
                   {137, 45, 28}, {138, 45, 28}, {139, 220, 100}}),
    {{{2, 24, 42, 41}, 2, 27},     {{258, 24, 298, 41}, 258, 27},  // S, M
     {{2, 54, 42, 71}, 2, 59},     {{2, 86, 42, 103}, 2, 91},      // captions
     {{2, 118, 42, 135}, 2, 123},  {{258, 54, 322, 71}, 258, 59},  // caption, width
     {{258, 86, 322, 103}, 258, 91}, {{258, 118, 322, 135}, 258, 123}},
    {nameFieldArea(214)}};

inline const FaceNeeds kScopra{
    "scopra",
    {{128, 302, 214}, {129, 176, 159}, {130, 24, 16}, {131, 31, 20}, {132, 31, 20},
     {133, 34, 20}, {134, 5, 114}, {135, 5, 114}, {136, 5, 114}, {137, 5, 114},
     {138, 5, 114}, {139, 5, 114}, {140, 220, 100}, {141, 173, 158}, {142, 1, 1},
     {143, 1, 1}},
    {{{256, 135, 288, 147}, 256, 135},  // gain
     {{13, 11, 21, 21}, 13, 11},        // channel label 1
     {{41, 11, 49, 21}, 42, 11},        // channel label 2
     {{36, 149, 52, 162}, 38, 151},     // peak readout 2
     {{9, 149, 25, 162}, 10, 151},      // peak readout 1
     {{254, 11, 287, 21}, 254, 11}},    // "level"
    {}};

namespace scopra {
constexpr Area kScreen{63, 16, 239, 175};  // where the goniometer's layers show
constexpr Area kLevelSlider{259, 22, 283, 132};
constexpr int kLevelSliderBackShift = 1;   // it copies the background from one row lower
constexpr int kLevelHandleFirstTop = 24, kLevelHandleLastTop = 117, kLevelHandleHeight = 16;
constexpr int kGraticuleCentreX = 88, kGraticuleCentreY = 80;
constexpr int kMeterHeight = 114;
inline const std::vector<double> kScaleDecibels = {0, -3, -6, -12, -18, -24, -36};
}  // namespace scopra

}  // namespace arttest
