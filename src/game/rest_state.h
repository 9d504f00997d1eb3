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
// A copy of the position with a spent cooldown forgotten: the form in which
// positions at rest are kept and compared.
Position AtRestForm(const Position& position);

// A level is being played and has not been left: the exit is not entered.
bool LevelBeingPlayed(const Position& position);
