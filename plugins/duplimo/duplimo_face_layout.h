// Where everything stands on duplimo's editor face (302 x 245 pixels of the
// background bitmap), with the bitmaps, tags and values of each control. The
// artwork tool draws the background from the same table.
#pragma once

#include "editor/slider_face_layout.h"
#include "plugins/duplimo/duplimo_parameters.h"

namespace duplimo::face {

using namespace slider_face;

constexpr int kFaceWidth = 302;
constexpr int kFaceHeight = 245;
constexpr CCoord kPresetBarTop = 214;

// Bitmap resources of the face besides the background and the slider face's own.
enum BitmapId : int {
    kProcessBitmap = 137,
    kPhaseBitmap = 138,
    kAboutBitmap = 139,
};

// Captions and the meter's end words: the integer part of ten times the
// display's value picks the word, so the captions hold 0, 0.1, 0.2 ...
enum Word : int { kWordS, kWordM, kWordDepth, kWordFreq, kWordEmph };
constexpr const char* kWords[] = {"S", "M", "depth", "freq", "emph"};
constexpr float kCaptionStep = 0.1f;
constexpr float kCaptionMaxValue = 1.f;

constexpr MeterPlace kMeter{{60, 25, 242, 40}, 1.f};
constexpr TextPlace kMeterLeftEnd{{2, 24, 42, 41}, {2, 27}, Align::kRight};    // "S"
constexpr TextPlace kMeterRightEnd{{258, 24, 298, 41}, {258, 27}, Align::kLeft};  // "M"

// The rows in the order they are built; read-outs left-aligned, captions right-aligned.
constexpr float kSliderDefault = 0.5f;
constexpr float kPercentMax = 1.f;
constexpr float kFrequencyMax = 20000.f;
constexpr SliderRow kRows[] = {
    {kWidth, {63, 51, 239, 75}, kSliderDefault, {{258, 54, 322, 71}, {258, 59}, Align::kLeft},
     kPercentMax, ReadOut::kPercent, {{2, 54, 42, 71}, {2, 59}, Align::kRight}, kWordDepth},
    {kBaseFreq, {63, 83, 239, 107}, kSliderDefault, {{258, 86, 322, 103}, {258, 91}, Align::kLeft},
     kFrequencyMax, ReadOut::kFrequency, {{2, 86, 42, 103}, {2, 91}, Align::kRight}, kWordFreq},
    {kEmphasis, {63, 115, 239, 139}, kSliderDefault,
     {{258, 118, 322, 135}, {258, 123}, Align::kLeft}, kPercentMax, ReadOut::kPercent,
     {{2, 118, 42, 135}, {2, 123}, Align::kRight}, kWordEmph},
};
constexpr int kRowCount = sizeof(kRows) / sizeof(kRows[0]);

// The button row: process, phase.
constexpr ButtonPlace kProcessButton{kProcess, {90, 151, 135, 165}, kProcessBitmap};
constexpr ButtonPlace kPhaseButton{kPhase, {170, 151, 215, 165}, kPhaseBitmap};

// The about image centred on the upper 302 x 214 pixels of the face.
constexpr int32_t kAboutTag = 6;
constexpr AboutPlacement kAbout{
    {70, 182, 225, 202}, kAboutTag, kAboutBitmap, {41, 57, 261, 157}, {0, 0}, {0, 8}};

}  // namespace duplimo::face
