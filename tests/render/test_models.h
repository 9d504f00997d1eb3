#pragma once
// Meshes built in code for the drawing tests, and pawns that show them.

#include <memory>

#include "render/model.h"
#include "world/pawn.h"
#include "world/pawn_template.h"

// An axis-aligned box from -half to +half with one material (lit grey),
// textured with the given GL texture name when it is not 0.
Model MakeBox(float half, int texture);

// A square of side 2 * half in the z = 0 plane, facing the viewer, with one
// untextured material.
Model MakeSquare(float half);

// A one-frame template whose single part draws model slot 0 with this
// transform.
std::unique_ptr<PawnTemplate> MakeTemplate(const Transform& part = Transform());

// A 2 x 2 checker texture made without any file.
unsigned MakeCheckerTexture();
