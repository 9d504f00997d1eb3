#pragma once
// Template IDs that more than one part of the game tests.

#include <cstdint>

// The explosion a bomb leaves: a one-shot animation, removed after its last
// frame, drawn after everything else.
constexpr int32_t kExplosionId = 21;
