#pragma once
// What is drawn of a position: the pawns near the view's centre in drawing
// order: opaque still pawns first, then translucent or animated ones,
// explosions last, so that blending draws over what lies behind. The list
// points into the position's pawns and is good until they next change.

#include <vector>

#include "game/position.h"

using DrawList = std::vector<const Pawn*>;

// Rebuilds the list. cameraX and cameraY are the world camera's x and y
// translation, i.e. minus the point the view is centred on: pass the
// camera's own fields unchanged. World pawns far from that point are left
// out; fixed pawns and explosions never are.
void BuildDrawList(const Position& position, float cameraX, float cameraY, DrawList* list);
