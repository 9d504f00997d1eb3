#pragma once
// One step of the rules (a gameplay tick, or a test of a pawn's support)
// works on a position and tells the world outside it what happened: its
// sounds go to a sound sink, and a death or the exit restarts the flow's
// phase timer, which the flow does once the step is over.

#include <cstdint>
#include <vector>

#include "core/sound_sink.h"
#include "game/position.h"

// The cooldown after a bomb, a death, a reset, a restore and a barrel kick;
// and the shorter one after a switch.
constexpr int32_t kCooldownTicks = 10;
constexpr int32_t kSwitchCooldownTicks = 8;

struct RuleStep {
    RuleStep(Position& p, SoundSink& s) : position(p), sound(s) {}

    Position& position;
    SoundSink& sound;
    bool phaseTimerReset = false;
    // The hero took a key: he began a walk, climb, push or kick, set off a
    // bomb, threw a switch, reset to the checkpoint or entered the exit.
    bool heroActed = false;
    // Pickups the hero took as he began to fall, while the moving pawns were
    // being stepped: out of every index list at once, out of the level once
    // the moving-pawns step is over.
    std::vector<int32_t> detached;
};
