// The family's colours. Every image of every plug-in takes its colours from
// here, so the four faces, their controls and the about screen match.
#pragma once

namespace art {

struct Colour {
    double r, g, b, a;
};

constexpr Colour rgb(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0, 1.0}; }
constexpr Colour withAlpha(Colour c, double a) { return {c.r, c.g, c.b, a}; }

namespace palette {

// Face panel: a cool light grey on which the editor's black texts read well.
constexpr Colour kPanel = rgb(213, 220, 226);
constexpr Colour kPanelHighlight = rgb(240, 244, 247);
constexpr Colour kPanelShade = rgb(166, 177, 187);
constexpr Colour kPanelOutline = rgb(92, 103, 114);

// Engraved rules and printed marks on the panel.
constexpr Colour kEngraveDark = rgb(174, 184, 193);
constexpr Colour kEngraveLight = rgb(238, 242, 245);
constexpr Colour kPrint = rgb(118, 129, 140);
constexpr Colour kPrintStrong = rgb(78, 88, 99);

// Recessed wells around meters and switches, and the dark floor inside them.
constexpr Colour kWellFloor = rgb(30, 35, 42);
constexpr Colour kWellRimShade = rgb(126, 137, 148);
constexpr Colour kWellRimLight = rgb(247, 249, 251);

// Slider grooves.
constexpr Colour kGrooveFloor = rgb(52, 59, 68);
constexpr Colour kGrooveShadow = rgb(28, 32, 38);
constexpr Colour kGrooveLip = rgb(246, 248, 250);

// Slider handle: a light cap with a dark rim and an index line.
constexpr Colour kCapTop = rgb(252, 253, 254);
constexpr Colour kCapBottom = rgb(196, 205, 213);
constexpr Colour kCapRim = rgb(62, 70, 80);
constexpr Colour kCapIndex = rgb(34, 39, 46);

// Meter strips.
constexpr Colour kMeterTrack = rgb(43, 50, 59);
constexpr Colour kMeterScale = rgb(88, 99, 111);
constexpr Colour kMeterScaleLit = rgb(255, 226, 170);
constexpr Colour kSignal = rgb(255, 168, 38);        // lit bar, amber
constexpr Colour kSignalBright = rgb(255, 206, 110);  // top of the lit bar
constexpr Colour kSignalDeep = rgb(222, 118, 10);     // bottom of the lit bar

// Keys of switches and buttons: grey at rest, lighter under the mouse, lit
// amber when on or held down.
constexpr Colour kKeyOffTop = rgb(236, 240, 243);
constexpr Colour kKeyOffBottom = rgb(200, 208, 215);
constexpr Colour kKeyHoverTop = rgb(252, 253, 254);
constexpr Colour kKeyHoverBottom = rgb(222, 229, 235);
constexpr Colour kKeyOnTop = rgb(255, 200, 96);
constexpr Colour kKeyOnBottom = rgb(244, 150, 22);
constexpr Colour kKeyRim = rgb(18, 22, 27);
constexpr Colour kKeyTextOff = rgb(96, 106, 117);
constexpr Colour kKeyTextOn = rgb(30, 24, 16);

// Band along the top of a face, with the maker's name and the descriptor.
constexpr Colour kHeaderBand = rgb(44, 51, 60);
constexpr Colour kHeaderEdge = rgb(18, 22, 27);
constexpr Colour kHeaderInk = rgb(178, 189, 199);

// Inks for texts drawn into the images.
constexpr Colour kTitleInk = rgb(36, 36, 32);

// Preset bar strip and its name field (the field's colour is also the
// editor's back colour of the name text, so both agree).
constexpr Colour kBarPanel = rgb(192, 202, 211);
constexpr Colour kNameField = rgb(189, 207, 218);

// Analyser: the goniometer screen, its graticule, the level meters and the
// pens the goniometer plots with (whose colours the display relies on).
constexpr Colour kScreen = rgb(0, 0, 0);
constexpr Colour kGraticule = rgb(52, 92, 66);
constexpr Colour kGraticuleText = rgb(84, 138, 100);
constexpr double kGraticuleWash = 32 / 255.0;  // fades the plotted points a little per frame
constexpr Colour kPenBright = rgb(8, 255, 49);
constexpr Colour kPenDark = rgb(8, 132, 25);
constexpr Colour kLevelTrack = rgb(221, 212, 186);     // unlit, beige
constexpr Colour kLevelTrackMark = rgb(168, 156, 124);
constexpr Colour kLevelBarLight = rgb(120, 226, 120);  // lit, green
constexpr Colour kLevelBarDeep = rgb(34, 160, 62);
constexpr Colour kLevelBarMark = rgb(24, 110, 44);
constexpr Colour kLevelPeak = rgb(255, 226, 40);       // peak segment and hold line

// About image.
constexpr Colour kAboutPaper = rgb(236, 240, 244);
constexpr Colour kAboutRule = rgb(196, 205, 214);

}  // namespace palette
}  // namespace art
