#pragma once
// The bomb gauge: a bar that slides out by 5 units per bomb carried, one unit
// per frame, with a small spinning bomb per bomb.

extern float BombGaugeSpin;      // degrees, turns one degree per frame
extern float BombGaugeTarget;    // where the bar is heading
extern float BombGaugePosition;  // where the bar is

// Advances the gauge by one frame for this many bombs.
void StepBombGauge(int bombCount);

// Back to the state at start-up: no spin, bar at rest at -9.
void ResetBombGauge();
