#pragma once
// The hint's sign over the hero, drawn flat in the world facing the camera:
// an arrow for a direction key, a key cap for Space, a cross where no way to
// the exit is left (grey when the search gave up). Yellow or red on a black
// rim, so that it reads over every background.

#include "render/camera.h"
#include "render/scene_view.h"

// Draws the sign above the world point (x, y, z) as the world camera sees it.
void DrawHintSign(const HintSign& sign, const Camera& camera, float x, float y, float z);
