#include "sound/sound_slots.h"

#include "sound/sound_observer.h"

SoundEffect SoundEffects[kSoundSlotCount];

const char* const SoundSlotFiles[kSoundSlotCount] = {
    "./gamedata\\sound\\bomb_collect.wav", "./gamedata\\sound\\checkpoint.wav",
    "./gamedata\\sound\\dead.wav",         "./gamedata\\sound\\explode.wav",
    "./gamedata\\sound\\explode.wav",      "./gamedata\\sound\\explode.wav",
    "./gamedata\\sound\\pop_holder.wav",   "./gamedata\\sound\\switch.wav",
    "./gamedata\\sound\\stage1.wav",       "./gamedata\\sound\\barrel_hit.wav",
    "./gamedata\\sound\\barrel_roll.wav",  "./gamedata\\sound\\sliding.wav",
};

namespace {

// Playback is told with the file last loaded, and whether there was a sound to act on.
void NotifyPlayback(int slot, SoundOp op) {
    const SoundEffect& sound = SoundEffects[slot];
    NotifySoundObserver(slot, op, sound.file, sound.buffer != nullptr);
}

}  // namespace

void LoadSoundSlots() {
    for (int slot = 0; slot < kSoundSlotCount; slot++) {
        CreateDevice(&SoundEffects[slot]);
        LoadSlot(slot, SoundSlotFiles[slot]);
    }
}

void ReleaseSoundSlots() {
    for (int slot = 0; slot < kSoundSlotCount; slot++)
        ReleaseSound(&SoundEffects[slot]);
    Sys_CloseAudioDevice();
}

bool LoadSlot(int slot, const char* path) {
    bool ok = LoadWave(&SoundEffects[slot], path);
    NotifySoundObserver(slot, SoundOp::Load, path ? path : "", ok);
    return ok;
}

void PlaySlotOnce(int slot) {
    PlayOnce(&SoundEffects[slot]);
    NotifyPlayback(slot, SoundOp::PlayOnce);
}

void PlaySlotLooping(int slot) {
    PlayLooping(&SoundEffects[slot]);
    NotifyPlayback(slot, SoundOp::PlayLooping);
}

void StopSlot(int slot) {
    StopSound(&SoundEffects[slot]);
    NotifyPlayback(slot, SoundOp::Stop);
}
