#pragma once
// Reads the sample format out of the data of a "fmt " chunk.

#include <cstdint>

#include "platform/sys_audio.h"

// The audio format that a format record describes. PCM and IEEE float tags,
// and the extensible form with a PCM or float sub-format, give Pcm or Float;
// every other tag gives Unsupported, which the audio layer refuses.
// The record must hold at least 16 bytes.
Sys_AudioFormat ReadWaveFormat(const uint8_t* wavHeader, uint32_t headerLength);
