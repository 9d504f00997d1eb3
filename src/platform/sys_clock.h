#pragma once
// Milliseconds since the program started, wrapping at 2^32.

#include <cstdint>

uint32_t GetTickCount();

// Waits, without handling any input, until GetTickCount() has reached `tick`.
void Sys_WaitUntil(uint32_t tick);
