#pragma once
// The gameplay tick: the hero's keys and touch rules, the moving pawns, and
// the camera, run every game tick while a level is played.

// Runs one tick. Returns true when the tick ended early (a bomb went off):
// then nothing is drawn and no animation step runs in this pass.
bool GameplayTick();

// Called by the physics as the hero begins to fall: a bomb pickup in the cell
// is taken, a deadly pawn kills him.
void HeroFallCheck();

// The hero dies: the dead sound, and the level is restored from the last
// checkpoint once the phase timer fires. A dead hero does not die again.
void HeroDies();
