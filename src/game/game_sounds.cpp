#include "game/game_sounds.h"

#include "sound/sound_slots.h"

void PlaySlotOnce(int slot) {
    PlayOnce(&SoundEffects[slot]);
}
