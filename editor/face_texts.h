// Texts that the faces' displays show for their values: read-outs in percent
// and in hertz, and fixed words chosen by a number. They are the faces' own
// and differ from the texts the host shows for the same parameters.
#pragma once

namespace face_text {

// Room for any of the texts below, with the terminating zero.
constexpr int kTextBytes = 32;

// The integer part of `value`, 0 when it is beyond int's range or NaN.
int integerPart(double value);

// "%d%%" of the integer part of value * 100, computed in double from the
// float as it is: the float 0.35 gives "34%".
void percentText(float value, char* text);

// A frequency in hertz: whole hertz below 1000 ("20Hz", "265Hz"), tenths of
// kilohertz from 1000 on ("1.0kHz"), and a few decimals below 10 Hz.
void frequencyText(float value, char* text);

// words[n] for n in 0 .. count-1, else the empty text.
void wordText(int n, const char* const* words, int count, char* text);

// A text function (value, text) as a display's value-to-text procedure.
template <void (*Text)(float, char*)>
bool faceText(float value, char* text, void* /*userData*/) {
    Text(value, text);
    return true;
}

}  // namespace face_text
