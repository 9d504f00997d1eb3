#pragma once
// One sound, effect or music: a whole WAV file held in one audio buffer and
// played on demand. A record that was never set up is all zero, and
// ReleaseSound returns it to all zero.

#include <cstdint>

#include "platform/sys_audio.h"

// How the current buffer was made.
struct SoundDescription {
    uint32_t bufferBytes;  // the samples handed to the buffer, cut to whole frames
    Sys_AudioFormat format;
};

// Longest path kept for the observer; longer ones are cut.
constexpr int kSoundFileChars = 260;

struct SoundEffect {
    Sys_AudioBuffer* buffer;  // the loaded samples; null when no sound is loaded
    Sys_AudioVoice* device;   // this record's voice on the shared audio device
    SoundDescription description;
    char file[kSoundFileChars];  // the file last loaded into buffer
};

// Gives the record its voice. False when there is no audio device.
bool CreateDevice(SoundEffect* sound);

// Replaces the record's sound with the file's samples. A file that cannot be
// read or is not RIFF/WAVE with both chunks leaves the record untouched; a
// format the audio layer refuses fails after the old sound is gone.
bool LoadWave(SoundEffect* sound, const char* path);

// Playback; on a record without a buffer they do nothing.
void PlayOnce(SoundEffect* sound);
void PlayLooping(SoundEffect* sound);
void StopSound(SoundEffect* sound);

// Releases the buffer, then the voice, and clears the record.
void ReleaseSound(SoundEffect* sound);
