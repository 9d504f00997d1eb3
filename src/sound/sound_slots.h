#pragma once
// The game's twelve sound records, by slot number (core/sound_names.h). The
// game loads and plays through the slot operations below, and the sound
// observer sees each of them with its slot, whether or not the call had any
// effect.

#include "core/sound_names.h"
#include "core/sound_sink.h"
#include "sound/sound_effect.h"

extern SoundEffect SoundEffects[kSoundSlotCount];

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

// The slot operations as the game's sound sink.
SoundSink& SoundSlotSink();
