#pragma once
// The pawns to draw this frame, in drawing order: opaque still pawns first,
// then translucent or animated ones, explosions last, so that blending draws
// over what lies behind. Its pointers refer to LevelPawns and are rebuilt
// after every change of that list, before the next frame is drawn.

#include "core/linked_list.h"
#include "world/pawn.h"

extern LinkedList<Pawn*> DrawList;

// Rebuilds DrawList from LevelPawns. cameraX and cameraY are the world
// camera's x and y translation, i.e. minus the point the view is centred on:
// pass the camera's own fields unchanged. World pawns far from that point are
// left out; fixed pawns (Type 1) and explosions never are.
void BuildDrawList(float cameraX, float cameraY);

// A tool that plays the game without a screen (the level solver) turns the
// draw list off: it then stays empty and costs nothing. On by default.
void SetDrawListEnabled(bool enabled);
