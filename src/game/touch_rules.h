#pragma once
// The touch rules: what the hero meets in his own cell. Standing there
// between moves he picks up a bomb, dies on a deadly pawn or reaches a
// checkpoint; as he begins to fall he picks up a bomb or dies, but takes no
// checkpoint. The first pawn of PickupPawns in his cell acts, the others wait.

#include "game/rule_step.h"

// The hero stands, his move finished.
void TouchCheck(RuleStep* step);

// Called by the physics as the hero begins to fall. A pickup taken here
// leaves the level once the moving-pawns step is over.
void HeroFallCheck(RuleStep* step);

// The hero dies: the dead sound, and the level is restored from the last
// checkpoint once the phase timer fires. A dead hero does not die again.
void HeroDies(RuleStep* step);
