#pragma once
// Audio voices on one shared output device. Each sound record owns one voice
// and, while a sound is loaded, one sample buffer attached to it. The device
// is opened on first use; when none can be opened every call quietly does
// nothing and the game plays silently.
//
// Playback keeps the behaviour the game relies on: playing a sound that is
// still playing changes nothing (it is neither restarted nor doubled), a sound
// that has finished starts again from the beginning, stopping halts a sound
// where it is so that the next play resumes there, and a looping sound loops.

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

// A new voice on the shared device, opening the device if needed; null when
// there is no audio device.
Sys_AudioVoice* Sys_CreateVoice();

// Releases the voice, first releasing the buffer attached to it. Null is ignored.
void Sys_ReleaseVoice(Sys_AudioVoice* voice);

// A buffer holding a copy of the samples, attached to the voice. A buffer
// still attached is released first (callers holding it should release it
// themselves beforehand). The samples are cut to whole frames. Null when the
// voice is null, the format is refused or no whole frame is left.
Sys_AudioBuffer* Sys_CreateBuffer(Sys_AudioVoice* voice, const void* samples, size_t bytes,
                                  const Sys_AudioFormat& format);

// Stops the buffer, detaches it from its voice and frees it. Null is ignored.
void Sys_ReleaseBuffer(Sys_AudioBuffer* buffer);

// Bytes of sample data the buffer holds (whole frames only).
size_t Sys_BufferBytes(const Sys_AudioBuffer* buffer);

void Sys_PlayBuffer(Sys_AudioBuffer* buffer, bool looping);
void Sys_StopBuffer(Sys_AudioBuffer* buffer);
bool Sys_BufferPlaying(const Sys_AudioBuffer* buffer);

// The play position in sample frames from the start of the buffer.
int Sys_BufferPosition(const Sys_AudioBuffer* buffer);

// True while the shared device is open.
bool Sys_AudioDeviceOpen();

// Closes the shared device, which finishes whatever the library writes on
// closing (the wave writer's file header). Refused (false) while voices are
// still alive. Also forgets a failed opening, so the next voice tries again.
bool Sys_CloseAudioDevice();
