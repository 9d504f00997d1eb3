#pragma once
// Conversions of a stored value's text to numbers. Neither ever fails: text
// that does not start with a number reads as 0.

#include <cstdint>

// Leading white space, an optional sign, then decimal digits up to the first
// other character. The value wraps modulo 2^32, so "4294967295" is -1.
int32_t ParseWrappedInt(const char* text);

// The leading decimal number (optional sign, digits with an optional decimal
// point and exponent) after leading white space; no number gives 0.
double ParseLeadingDouble(const char* text);
