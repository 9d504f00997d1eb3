#pragma once
// What is drawn: the world camera, which the game keeps on the hero, and the
// pawns to draw this frame in drawing order: opaque still pawns first, then
// translucent or animated ones, explosions last, so that blending draws over
// what lies behind. The list's pointers refer to LevelPawns and are rebuilt
// after every change of that list, before the next frame is drawn.

#include "core/linked_list.h"
#include "render/camera.h"
#include "world/pawn.h"

extern LinkedList<Pawn*> DrawList;
extern Camera WorldCamera;

// Rebuilds DrawList from LevelPawns. cameraX and cameraY are the world
// camera's x and y translation, i.e. minus the point the view is centred on:
// pass the camera's own fields unchanged. World pawns far from that point are
// left out; fixed pawns and explosions never are.
void BuildDrawList(float cameraX, float cameraY);

// Rebuilds the draw list around the world camera's centre.
void RebuildDrawList();

// Centres the world camera on the pawn (minus its position, absolute).
void CenterCameraOn(const Pawn& pawn);

// An empty draw list and the world camera as it is at start-up.
void ResetDrawList();

// A tool that plays the game without a screen (the level solver) turns the
// draw list off: it then stays empty and costs nothing. On by default.
void SetDrawListEnabled(bool enabled);
