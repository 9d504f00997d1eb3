#pragma once
// The sound slots the rules play, by slot number.

enum SoundSlot {
    kSoundBombCollect = 0,
    kSoundCheckpoint = 1,
    kSoundDead = 2,
    kSoundExplosionFirst = 3,  // 3, 4 and 5 take turns
    kSoundPopHolder = 6,
    kSoundSwitch = 7,
    kSoundMusic = 8,
    kSoundBarrelHit = 9,
    kSoundBarrelRoll = 10,
    kSoundSliding = 11,
};

// Starts the slot's sound once; a sound still playing is left alone.
void PlaySlotOnce(int slot);
