#pragma once
// The hero's actions and the gameplay tick that runs them every game tick
// while a level is played: the keys (walking, climbing, bombs, switches, the
// exit, the reset to the last checkpoint), the touch rules and the moving
// pawns.

#include "core/keys.h"
#include "game/rule_step.h"

// Runs one tick on the step's position with these keys held. Returns true
// when the tick ended early (a bomb went off): then nothing is drawn and no
// animation step runs in this pass.
bool GameplayTick(RuleStep* step, const KeyDownTable& keys);
