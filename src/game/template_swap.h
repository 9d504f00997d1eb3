#pragma once
// Rules turn a pawn into another kind by pointing it at another template slot.

#include "world/pawn.h"

// Gives the pawn template slot `slot`. The pawn keeps its frame unless the new
// template has no such frame, in which case it starts again at frame 0 (a
// frame past the end would draw nothing for ever).
void SetPawnTemplate(Pawn* pawn, int slot);
