// Where everything stands on scopra's editor face (302 x 214 pixels of the
// background bitmap), with the bitmaps, tags, fonts and colours of each view.
// Plain constant data: the artwork tool draws the background from the same
// numbers.
#pragma once

#include "gui/geometry.h"
#include "gui/color.h"
#include "plugins/scopra/scopra_parameters.h"

namespace scopra::face {

constexpr int kFaceWidth = 302;
constexpr int kFaceHeight = 214;

// Bitmap resources of the face besides the background (128).
enum BitmapId : int {
    kScopeSizeBitmap = 129,  // fixes the size of the goniometer's layers; never drawn
    kLevelHandleBitmap = 130,
    kAutoButtonBitmap = 131,
    kHoldButtonBitmap = 132,
    kModeButtonBitmap = 133,
    kMeterLitBitmaps = 134,    // 134, 135: meters 1 and 2
    kMeterUnlitBitmaps = 136,  // 136, 137
    kMeterPeakBitmaps = 138,   // 138, 139
    kAboutBitmap = 140,
    kBrightPenBitmap = 142,
    kDarkPenBitmap = 143,
};
// The graticule overlay is found by name.
constexpr const char* kGraticuleName = "bmp00141.png";

// Goniometer: its layers are the size bitmap's size from the view's corner,
// one pixel wider and taller than the view itself.
constexpr FaceRect kScope{63, 16, 236, 174};
constexpr int32_t kScopeTag = 0;  // never reported
constexpr int kScopeLayerWidth = 176;
constexpr int kScopeLayerHeight = 159;
constexpr int kScopeCentreX = 88;  // layer pixel of the point (0, 0)
constexpr int kScopeCentreY = 80;

// Level meters: one LED per pixel.
constexpr int kMeterCount = 2;
constexpr FaceRect kMeters[kMeterCount] = {{15, 29, 20, 143}, {43, 29, 48, 143}};
constexpr int32_t kMeterLeds = 114;

// Level slider: the handle's top travels from row 24 (level 1) down to row
// 117 (level 0); it shows the background from one row lower than itself.
constexpr FaceRect kLevelSlider{259, 22, 283, 132};
constexpr FacePoint kLevelSliderBackOffset{259, 23};
constexpr int32_t kLevelHandleFirstTop = 24;
constexpr int32_t kLevelHandleLastTop = 117;
constexpr float kLevelDefault = 0.12f;

// Value displays, in the order they are built.
enum class FaceFont { kSmall, kVerySmall };  // Arial 11, Arial 9
enum class DisplayAlign { kLeft, kCentre, kRight };
enum class DisplayText { kGain, kChannel, kPeak };
constexpr CColor kPrintColour = MakeCColor(0, 0, 0);
constexpr CColor kCaptionColour = MakeCColor(60, 60, 60);
constexpr CColor kOverloadColour = MakeCColor(255, 0, 0);

struct DisplayPlace {
    FaceRect rect;
    FacePoint backOffset;
    DisplayAlign align;
    FaceFont font;
    CColor colour;
    float max;
    DisplayText text;
};
constexpr DisplayPlace kGainDisplay{{256, 135, 288, 147}, {256, 135}, DisplayAlign::kCentre,
                                    FaceFont::kSmall,     kPrintColour, 64, DisplayText::kGain};
constexpr DisplayPlace kChannelLabels[kMeterCount] = {
    {{13, 11, 21, 21}, {13, 11}, DisplayAlign::kLeft, FaceFont::kVerySmall, kCaptionColour, 5,
     DisplayText::kChannel},
    {{41, 11, 49, 21}, {42, 11}, DisplayAlign::kRight, FaceFont::kVerySmall, kCaptionColour, 5,
     DisplayText::kChannel}};
// Indexed by meter; the face builds readout 2 before readout 1.
constexpr DisplayPlace kPeakReadouts[kMeterCount] = {
    {{9, 149, 25, 162}, {10, 151}, DisplayAlign::kCentre, FaceFont::kSmall, kPrintColour, 5,
     DisplayText::kPeak},
    {{36, 149, 52, 162}, {38, 151}, DisplayAlign::kCentre, FaceFont::kSmall, kPrintColour, 5,
     DisplayText::kPeak}};
constexpr DisplayPlace kLevelCaption{{254, 11, 287, 21}, {254, 11}, DisplayAlign::kCentre,
                                     FaceFont::kVerySmall, kCaptionColour, 5,
                                     DisplayText::kChannel};

// What the channel labels and the caption show, by value.
enum ChannelWord : int { kWordL = 0, kWordS, kWordR, kWordM, kWordLevel };

// The three switches.
struct ButtonPlace {
    FaceRect rect;
    int32_t parameter;
    int bitmapId;
};
constexpr ButtonPlace kAutoButton{{256, 150, 287, 160}, kParamAuto, kAutoButtonBitmap};
constexpr ButtonPlace kHoldButton{{256, 164, 287, 174}, kParamHold, kHoldButtonBitmap};
constexpr ButtonPlace kModeButton{{14, 164, 48, 174}, kParamMode, kModeButtonBitmap};

// The about screen: the title is its click area; the picture shows centred.
constexpr FaceRect kAboutClickArea{70, 182, 225, 202};
constexpr int32_t kAboutTag = 5;
constexpr FaceRect kAboutDisplayArea{41, 57, 261, 157};
constexpr FacePoint kAboutTextOrigin{0, 8};

}  // namespace scopra::face
