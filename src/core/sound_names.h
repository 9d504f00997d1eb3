#pragma once
// The game's twelve sound slots: what the rules play in each, the name the
// tests and the data check know it by, and the file it holds from start-up.
// Slots 3, 4 and 5 hold three copies of the explosion so that up to three
// explosions sound together; the music slot is reloaded with each stage's
// music and with the finishing sound.

enum SoundSlot : int {
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
constexpr int kSoundSlotCount = 12;
constexpr int kExplosionVoices = 3;

struct SoundSlotName {
    const char* name;  // "bomb_collect", "explode1" ... "explode3", "music", ...
    const char* file;  // loaded at start-up
};
extern const SoundSlotName kSoundSlots[kSoundSlotCount];

// The sound the music slot plays once as the hero enters the exit, and the
// stage music of each level (formatted with the level number).
extern const char* const kFinishSoundFile;
extern const char* const kStageMusicFormat;
