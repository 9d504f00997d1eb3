// Loading and playing a sound record. The WAV file is mapped and its samples
// go from the mapping straight into the audio buffer, copied once, in one
// piece: the audio layer takes the whole block in a single call, so a
// partially filled buffer cannot happen.

#include "sound/sound_effect.h"

#include <cstring>

#include <string>

#include "platform/sys_mapped_file.h"
#include "platform/sys_path.h"
#include "sound/wave_chunks.h"
#include "sound/wave_format.h"

namespace {

// The largest sound read: twelve minutes of CD-quality stereo. Every sound
// lives whole in its buffer, so the file must fit in memory anyway.
constexpr size_t kMaxWaveBytes = 128u << 20;

void RememberFile(SoundEffect* sound, const char* path) {
    std::strncpy(sound->file, path, kSoundFileChars - 1);
    sound->file[kSoundFileChars - 1] = '\0';
}

// Drops the old sound, then makes the new buffer; false leaves no buffer.
bool ReplaceBuffer(SoundEffect* sound, const WaveChunks& chunks, const char* path) {
    sound->description = SoundDescription{};
    sound->description.format = ReadWaveFormat(chunks.wavHeader, chunks.headerLength);
    Sys_ReleaseBuffer(sound->buffer);
    sound->buffer = nullptr;
    sound->file[0] = '\0';
    sound->buffer = Sys_CreateBuffer(sound->device, chunks.wavData, chunks.wavLength,
                                     sound->description.format);
    if (!sound->buffer)
        return false;
    sound->description.bufferBytes = static_cast<uint32_t>(Sys_BufferBytes(sound->buffer));
    RememberFile(sound, path);
    return true;
}

// An empty string when the sound was loaded, else why it was not.
std::string LoadMapped(SoundEffect* sound, const Sys_MappedFile& view, const char* path) {
    WaveChunks chunks = {};
    if (view.size > kMaxWaveBytes)
        return "is larger than " + std::to_string(kMaxWaveBytes) + " bytes";
    if (!FindWaveChunks(view.data, view.size, &chunks))
        return "is not a RIFF WAVE file with a format and samples";
    return ReplaceBuffer(sound, chunks, path) ? "" : "its samples cannot be played";
}

// A sound that cannot be loaded leaves the record as it was (silent, or the
// sound it held); the reason goes to standard error.
bool MapAndLoad(SoundEffect* sound, const char* path) {
    if (!sound->device)
        return false;  // nowhere to play it: not the file's fault
    Sys_MappedFile view;
    std::string why = "not found";
    if (path && Sys_DataPathConfined(path) && Sys_MapFile(path, &view, &why)) {
        try {
            why = LoadMapped(sound, view, path);
        } catch (const std::exception& failure) {  // nothing a file holds may end the program
            why = failure.what();
        }
        Sys_UnmapFile(&view);
    }
    if (!why.empty())
        Sys_ReportFileProblem(path ? path : "(no sound file)", why);
    return why.empty();
}

}  // namespace

bool CreateDevice(SoundEffect* sound) {
    if (!sound->device)
        sound->device = Sys_CreateVoice();
    return sound->device != nullptr;
}

bool LoadWave(SoundEffect* sound, const char* path) {
    return MapAndLoad(sound, path);
}

void PlayOnce(SoundEffect* sound) {
    Sys_PlayBuffer(sound->buffer, false);
}

void PlayLooping(SoundEffect* sound) {
    Sys_PlayBuffer(sound->buffer, true);
}

void StopSound(SoundEffect* sound) {
    Sys_StopBuffer(sound->buffer);
}

void ReleaseSound(SoundEffect* sound) {
    Sys_ReleaseBuffer(sound->buffer);
    Sys_ReleaseVoice(sound->device);
    *sound = SoundEffect{};
}
