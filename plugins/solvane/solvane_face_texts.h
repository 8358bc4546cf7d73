// The texts of solvane's editor face: the fixed labels and the read-outs
// beside the sliders. They differ from the texts the host shows.
#pragma once

#include "editor/face_texts.h"

namespace solvane {

constexpr int kFaceTextBytes = face_text::kTextBytes;

// The integer part of `value` picks "S", "M", "L", "R", "width", "gain",
// "balan", "stabil" or "center"; anything else gives an empty text.
void labelText(float value, char* text);
// The family's percent read-out (the width display holds 4 v^2).
using face_text::percentText;
// Whole decibels of a linear gain, truncated toward zero; "-oo dB" at silence.
void decibelText(float value, char* text);
// "C" around the centre, else "L1".."L50" or "R1".."R50".
void sideText(float value, char* text);

}  // namespace solvane
