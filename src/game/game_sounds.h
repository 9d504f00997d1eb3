#pragma once
// What the rules play in each sound slot (sound/sound_slots.h plays them).

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
