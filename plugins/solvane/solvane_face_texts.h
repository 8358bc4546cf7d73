// The texts of solvane's editor face: the fixed labels and the read-outs
// beside the sliders. They differ from the texts the host shows.
#pragma once

namespace solvane {

constexpr int kFaceTextBytes = 32;

// The integer part of `value` picks "S", "M", "L", "R", "width", "gain",
// "balan", "stabil" or "center"; anything else gives an empty text.
void labelText(float value, char* text);
// "%d%%" of the integer part of value * 100 (the width display holds 4 v^2).
void percentText(float value, char* text);
// Whole decibels of a linear gain, truncated toward zero; "-oo dB" at silence.
void decibelText(float value, char* text);
// "C" around the centre, else "L1".."L50" or "R1".."R50".
void sideText(float value, char* text);

}  // namespace solvane
