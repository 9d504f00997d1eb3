#pragma once
// The grid physics: carrying out ordered moves a step per tick, falling,
// resting on what carries a pawn's weight, and the sideways tests that start
// pushes of sliding blocks and kicks of barrels.

#include "world/pawn.h"

enum Direction { kDirectionLeft = 1, kDirectionRight = 3 };

// True when the pawn has no distance left to travel.
bool MoveFinished(const Pawn& pawn);

// True when something carries the pawn; may settle it and sound a holder.
bool IsSupported(Pawn* pawn);

// True when a hero-weight pawn is held by a ladder in or just below its cell.
bool OnLadder(const Pawn& pawn);

// True when the pawn may not move one cell in the direction. May start a
// push, kick a barrel, swap barrels, play sounds and set InputCooldown.
bool IsBlocked(Pawn* pawn, int direction);

// Carries out every moving pawn's pending move by one step.
void MovePawns();
