#include "core/sound_names.h"

const SoundSlotName kSoundSlots[kSoundSlotCount] = {
    {"bomb_collect", "./gamedata\\sound\\bomb_collect.wav"},
    {"checkpoint", "./gamedata\\sound\\checkpoint.wav"},
    {"dead", "./gamedata\\sound\\dead.wav"},
    {"explode1", "./gamedata\\sound\\explode.wav"},
    {"explode2", "./gamedata\\sound\\explode.wav"},
    {"explode3", "./gamedata\\sound\\explode.wav"},
    {"pop_holder", "./gamedata\\sound\\pop_holder.wav"},
    {"switch", "./gamedata\\sound\\switch.wav"},
    {"music", "./gamedata\\sound\\stage1.wav"},
    {"barrel_hit", "./gamedata\\sound\\barrel_hit.wav"},
    {"barrel_roll", "./gamedata\\sound\\barrel_roll.wav"},
    {"sliding", "./gamedata\\sound\\sliding.wav"},
};

const char* const kFinishSoundFile = "./gamedata\\sound\\finish.wav";
const char* const kStageMusicFormat = "./gamedata\\sound\\stage%d.wav";
