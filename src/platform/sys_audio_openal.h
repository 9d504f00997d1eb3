#pragma once
// Private to the OpenAL audio seam: the shared device and the format lookup.

#include <AL/al.h>

#include "platform/sys_audio.h"

// Opens the shared device and makes its context current, once; false when
// there is no device (remembered until Sys_CloseAudioDevice).
bool Sys_EnsureAudioDevice();

// Counts the voices alive on the shared device, so that it is not closed under them.
void Sys_CountVoice(int delta);

// The OpenAL buffer format for a sample format; AL_NONE when it is refused.
ALenum Sys_OpenALFormat(const Sys_AudioFormat& format);
