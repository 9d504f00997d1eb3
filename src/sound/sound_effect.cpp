// Loading and playing a sound record. The WAV file is mapped and its samples
// go from the mapping straight into the audio buffer, copied once, in one
// piece: the audio layer takes the whole block in a single call, so a
// partially filled buffer cannot happen.

#include "sound/sound_effect.h"

#include <cstring>

#include "platform/sys_mapped_file.h"
#include "sound/wave_chunks.h"
#include "sound/wave_format.h"

namespace {

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

bool MapAndLoad(SoundEffect* sound, const char* path) {
    Sys_MappedFile view;
    if (!path || !Sys_MapFile(path, &view))
        return false;
    WaveChunks chunks = {};
    bool ok = FindWaveChunks(view.data, view.size, &chunks) && ReplaceBuffer(sound, chunks, path);
    Sys_UnmapFile(&view);
    return ok;
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
