// Where everything stands on widmoor's editor face (302 x 246 pixels of the
// background bitmap), with the bitmaps, tags and values of each control. The
// artwork tool draws the background from the same table.
#pragma once

#include "editor/slider_face_layout.h"
#include "plugins/widmoor/widmoor_parameters.h"

namespace widmoor::face {

using namespace slider_face;

constexpr int kFaceWidth = 302;
constexpr int kFaceHeight = 246;
constexpr CCoord kPresetBarTop = 215;

// Bitmap resources of the face besides the background and the slider face's own.
enum BitmapId : int {
    kProcessBitmap = 137,
    kPhaseBitmap = 138,
    kModeBitmap = 139,  // three images, one per mode
    kAboutBitmap = 140,
};

// Captions and the meter's end words: the integer part of the display's
// value picks the word.
enum Word : int { kWordS, kWordM, kWordDepth, kWordFreq, kWordEmph, kWordWidth };
constexpr const char* kWords[] = {"S", "M", "depth", "freq", "emph", "width"};
constexpr float kWordMaxValue = 10.f;

constexpr MeterPlace kMeter{{60, 25, 242, 40}, 0.5f};
constexpr TextPlace kMeterLeftEnd{{2, 24, 42, 41}, {2, 27}, Align::kRight};    // "S"
// Both end words are captions, so both are right-aligned: the "M" stands at
// the right of its box, as every caption of this face does.
constexpr TextPlace kMeterRightEnd{{258, 24, 298, 41}, {258, 27}, Align::kRight};  // "M"

// The rows in the order they are built; read-outs left-aligned, captions right-aligned.
constexpr float kPercentMax = 1.f;
constexpr float kFrequencyMax = 20000.f;
constexpr float kWidthMax = 4.f;  // 1 + 3 w at most
constexpr SliderRow kRows[] = {
    {kDepth, {63, 51, 239, 75}, 0.f, {{258, 54, 322, 71}, {258, 59}, Align::kLeft},
     kPercentMax, ReadOut::kPercent, {{2, 54, 42, 71}, {2, 59}, Align::kRight}, kWordDepth},
    {kBaseFreq, {63, 83, 239, 107}, 0.5f, {{258, 86, 322, 103}, {258, 91}, Align::kLeft},
     kFrequencyMax, ReadOut::kFrequency, {{2, 86, 42, 103}, {2, 91}, Align::kRight}, kWordFreq},
    {kWidthEmphasis, {63, 115, 239, 139}, 0.f, {{258, 118, 322, 135}, {258, 123}, Align::kLeft},
     kWidthMax, ReadOut::kPercent, {{2, 118, 42, 135}, {2, 123}, Align::kRight}, kWordWidth},
};
constexpr int kRowCount = sizeof(kRows) / sizeof(kRows[0]);

// The button row: process, mode, phase.
constexpr ButtonPlace kProcessButton{kProcess, {70, 151, 115, 165}, kProcessBitmap};
constexpr ButtonPlace kModeButton{kMode, {130, 151, 175, 165}, kModeBitmap};
constexpr ButtonPlace kPhaseButton{kPhase, {190, 151, 235, 165}, kPhaseBitmap};
constexpr int kModeStates = 3;

// The about image centred on the upper 302 x 214 pixels of the face.
constexpr int32_t kAboutTag = 7;
constexpr AboutPlacement kAbout{
    {70, 184, 225, 204}, kAboutTag, kAboutBitmap, {41, 57, 261, 157}, {0, 0}, {0, 12}};

}  // namespace widmoor::face
