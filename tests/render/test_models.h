#pragma once
// A mesh built in code for the drawing tests, and a template that shows it.

#include <memory>

#include "render/model.h"
#include "world/pawn.h"

// A box from -half to +half on each axis with one lit grey material,
// textured with a 2 x 2 checker when `textured` (needs a current context).
Model MakeBox(float half, bool textured);

// A one-frame template whose single part draws model slot 0.
std::unique_ptr<PawnTemplate> MakeTemplate(const Transform& part = Transform());
