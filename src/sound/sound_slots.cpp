#include "sound/sound_slots.h"

SoundEffect SoundEffects[kSoundSlotCount];

const char* const SoundSlotFiles[kSoundSlotCount] = {
    "./gamedata\\sound\\bomb_collect.wav", "./gamedata\\sound\\checkpoint.wav",
    "./gamedata\\sound\\dead.wav",         "./gamedata\\sound\\explode.wav",
    "./gamedata\\sound\\explode.wav",      "./gamedata\\sound\\explode.wav",
    "./gamedata\\sound\\pop_holder.wav",   "./gamedata\\sound\\switch.wav",
    "./gamedata\\sound\\stage1.wav",       "./gamedata\\sound\\barrel_hit.wav",
    "./gamedata\\sound\\barrel_roll.wav",  "./gamedata\\sound\\sliding.wav",
};

void LoadSoundSlots() {
    for (int slot = 0; slot < kSoundSlotCount; slot++) {
        CreateDevice(&SoundEffects[slot]);
        LoadWave(&SoundEffects[slot], SoundSlotFiles[slot]);
    }
}

void ReleaseSoundSlots() {
    for (int slot = 0; slot < kSoundSlotCount; slot++)
        ReleaseSound(&SoundEffects[slot]);
    Sys_CloseAudioDevice();
}

int SoundSlotOf(const SoundEffect* sound) {
    for (int slot = 0; slot < kSoundSlotCount; slot++)
        if (sound == &SoundEffects[slot])
            return slot;
    return -1;
}
