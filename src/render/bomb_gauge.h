#pragma once
// The bomb gauge: a bar that slides out by 5 units per bomb carried, one unit
// per frame, with a small spinning bomb per bomb. It is drawn under its own
// camera at the left edge of the view, whatever the window's shape.

#include "world/transform.h"

extern float BombGaugeSpin;      // degrees, turns one degree per frame
extern float BombGaugeTarget;    // where the bar is heading
extern float BombGaugePosition;  // where the bar is

// Advances the gauge by one frame for this many bombs.
void StepBombGauge(int bombCount);

// Back to the state at start-up: no spin, bar at rest at -9.
void ResetBombGauge();

// The gauge's camera stands this far in front of the bombs; the bar is
// drawn kGaugeBarDepth behind them.
constexpr float kGaugeCameraDistance = 150.0f;
constexpr float kGaugeBarDepth = 10.0f;

// Where the bar and bomb i are drawn this frame in a view of the given width
// over height. The gauge's own numbers place the view's left edge at
// kGaugeLeftEdge (at the bombs' depth); the whole gauge is moved sideways so
// that the view's real left edge falls there, so its bombs show whole in any
// window.
Transform GaugeBarPlacement(float aspect);
Transform GaugeBombPlacement(int bomb, float aspect);
