#pragma once
// Whether a game stands still: nothing will change by itself, and the hero
// takes keys on the next gameplay tick.

#include "game/position.h"

// True while a level is played, its outcome is open, the hero stands with no
// cooldown left after the next tick, no pawn moves or falls and no explosion
// plays. Then only a key changes what the rules do.
bool GameAtRest(const Position& position);

// At rest a cooldown of 1 is spent by the next tick before it reads the keys,
// so the game goes on from it as from a cooldown of 0. The search keeps
// positions at rest in this form, with 0, so that the two are one position.
void ForgetSpentCooldown(Position* position);
