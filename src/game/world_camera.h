#pragma once
// The camera through which the world is seen; the game keeps it on the hero.

#include "render/camera.h"
#include "world/pawn.h"

extern Camera WorldCamera;

// Centres the world camera on the pawn (minus its position, absolute).
void CenterCameraOn(const Pawn& pawn);

// Rebuilds the draw list around the world camera's centre.
void RebuildDrawList();
