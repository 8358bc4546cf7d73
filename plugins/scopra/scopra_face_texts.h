// The texts of scopra's editor face: the gain under the level slider, the
// held peaks under the meters and the words over them.
#pragma once

namespace scopra {

constexpr int kFaceTextBytes = 32;

// Whole decibels of a linear gain, truncated toward zero, with " dB";
// "-oo dB" at 0.00000001 and below.
void gainText(float gain, char* text);
// Whole decibels of a held peak (linear amplitude), truncated toward zero;
// "-oo" at 2^-16 and below.
void peakText(float peak, char* text);
// The integer part of `value` picks "L", "S", "R", "M" or "level"; false,
// with nothing written, for any other value.
bool channelWordText(float value, char* text);

}  // namespace scopra
