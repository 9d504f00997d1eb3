#pragma once
// The game's twelve sound records, by slot number, and their start-up files.
// Slots 3, 4 and 5 hold three copies of the explosion so that up to three
// explosions sound together; MusicSlot is reloaded with each stage's music
// and with the finishing sound.

#include "sound/sound_effect.h"

constexpr int kSoundSlotCount = 12;
constexpr int MusicSlot = 8;

extern SoundEffect SoundEffects[kSoundSlotCount];

// The file each slot loads at start-up, in slot order.
extern const char* const SoundSlotFiles[kSoundSlotCount];

// Creates the voice of every slot and loads its start-up file, slot 0 to 11.
// Results are not looked at: a slot that cannot load stays silent.
void LoadSoundSlots();

// Releases every slot in slot order, then closes the shared audio device.
void ReleaseSoundSlots();

// The slot of a record in SoundEffects, or -1 for any other record.
int SoundSlotOf(const SoundEffect* sound);
