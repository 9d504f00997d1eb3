#pragma once
// Audio voices on one shared output device, opened on first use; without one
// every call quietly does nothing and the game plays silently. A sound record
// owns one voice and, while a sound is loaded, one buffer attached to it.
// Playing a sound that still plays changes nothing, a finished one starts
// again from the beginning, stopping halts a sound where it is so that the
// next play resumes there, and a looping sound loops.

#include <cstddef>
#include <cstdint>

enum class Sys_SampleEncoding {
    Pcm,          // 8-bit unsigned or 16-bit signed integers
    Float,        // 32-bit IEEE float, where the library offers it
    Unsupported,  // anything else (compressed formats): always refused
};

struct Sys_AudioFormat {
    Sys_SampleEncoding encoding;
    int channels;
    int bitsPerSample;
    uint32_t sampleRate;
};

struct Sys_AudioVoice;
struct Sys_AudioBuffer;

Sys_AudioVoice* Sys_CreateVoice();             // null without an audio device
void Sys_ReleaseVoice(Sys_AudioVoice* voice);  // with its buffer; null is ignored
// A copy of the samples, cut to whole frames, attached to the voice in place
// of the buffer before. Null for no voice, a refused format or no whole frame.
Sys_AudioBuffer* Sys_CreateBuffer(Sys_AudioVoice* voice, const void* samples, size_t bytes,
                                  const Sys_AudioFormat& format);
void Sys_ReleaseBuffer(Sys_AudioBuffer* buffer);  // stopped, detached; null is ignored
size_t Sys_BufferBytes(const Sys_AudioBuffer* buffer);
void Sys_PlayBuffer(Sys_AudioBuffer* buffer, bool looping);
void Sys_StopBuffer(Sys_AudioBuffer* buffer);
bool Sys_BufferPlaying(const Sys_AudioBuffer* buffer);
int Sys_BufferPosition(const Sys_AudioBuffer* buffer);  // in sample frames from the start

bool Sys_AudioDeviceOpen();
// Closes the shared device, which finishes what the library writes on closing
// (the wave writer's header). Refused while voices live. Also forgets a
// failed opening, so that the next voice tries again.
bool Sys_CloseAudioDevice();
