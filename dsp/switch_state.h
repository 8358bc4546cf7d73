// Switch parameters: the integer part of value + 0.5, held as a float, and
// "on" from 0.5 up.
#pragma once

#include <cmath>

inline float switchState(float value) { return std::trunc(value + 0.5f); }
inline bool isOn(float state) { return state >= 0.5f; }
