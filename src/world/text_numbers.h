#pragma once
// Number parsing for the text of data files. Malformed text never fails: it
// reads as 0 or as its leading number.

#include <cstdint>

// Leading white space, an optional sign, then decimal digits up to the first
// other character; no digits give 0. Wraps modulo 2^32 instead of overflowing.
int32_t ParseLeadingInt(const char* text);

// Leading white space, then the longest decimal number (optional sign, digits
// with an optional decimal point and exponent); text that is not one gives 0.
// Hexadecimal, "inf" and "nan" are not decimal numbers and read as 0.
double ParseLeadingDouble(const char* text);

// Narrows to float. Finite values beyond the float range become infinities,
// which is what the hardware gives but a plain cast leaves undefined.
float NarrowToFloat(double value);
