#pragma once
// The game's twelve sound records, by slot number, and their start-up files.
// Slots 3, 4 and 5 hold three copies of the explosion so that up to three
// explosions sound together; one slot holds the music and is reloaded with
// each stage's music and with the finishing sound. The game loads and plays
// through the slot operations below, and the sound observer sees each of
// them with its slot, whether or not the call had any effect.

#include "sound/sound_effect.h"

constexpr int kSoundSlotCount = 12;

extern SoundEffect SoundEffects[kSoundSlotCount];

// The file each slot loads at start-up, in slot order.
extern const char* const SoundSlotFiles[kSoundSlotCount];

// Creates the voice of every slot and loads its start-up file, slot 0 to 11.
// Results are not looked at: a slot that cannot load stays silent.
void LoadSoundSlots();

// Releases every slot in slot order, then closes the shared audio device.
void ReleaseSoundSlots();

// LoadWave, PlayOnce, PlayLooping and StopSound on the slot's record. A
// sound still playing is left alone by PlaySlotOnce.
bool LoadSlot(int slot, const char* path);
void PlaySlotOnce(int slot);
void PlaySlotLooping(int slot);
void StopSlot(int slot);
