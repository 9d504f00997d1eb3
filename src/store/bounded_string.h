#pragma once
// Bounded copies into fixed character buffers. They copy at most
// capacity - 1 characters, always terminate the buffer, and report whether
// the whole source fitted.

#include <cstddef>

// Replaces dst with src. False when src was cut (or capacity is 0).
bool BoundedCopy(char* dst, size_t capacity, const char* src);

// Appends src to the text already in dst. False when src was cut.
bool BoundedAppend(char* dst, size_t capacity, const char* src);
