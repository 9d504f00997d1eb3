#pragma once
// How a hero who has died is drawn while the game waits to restore the level:
// he topples over and flashes red, and the view is tinted red, strongly at
// first, then faintly until the restore. Drawing only: the rules never see it.

#include "render/model.h"
#include "world/transform.h"

// The hero's placement for drawing, `frames` drawn frames after his death
// (1 on the first): turned to the viewer and toppled sideways.
Transform DeathPose(Transform placement, int frames);
// His colour then: red, flashing between two shades.
ModelColour DeathColour(int frames);
// The red over the whole view then.
void DrawDeathTint(int frames);
