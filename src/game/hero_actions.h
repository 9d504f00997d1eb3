#pragma once
// The hero's actions and the gameplay tick that runs them every game tick
// while a level is played: the keys (walking, climbing, bombs, switches, the
// exit, the reset to the last checkpoint), the touch rules, the moving pawns
// and the camera that follows the hero.

// Runs one tick. Returns true when the tick ended early (a bomb went off):
// then nothing is drawn and no animation step runs in this pass.
bool GameplayTick();
