// The rounding number formatter of every display text of the family.
#pragma once

// Writes `value` rounded to `decimals` places (a remainder of 0.49999 of the
// last place or more rounds away from zero) as plain decimal digits into
// `text`, at most eight characters before the cut. Values whose magnitude
// exceeds 99999999 (9999999 when negative), and NaN, leave `text` untouched.
void formatFixedDecimals(float value, int decimals, char* text);
