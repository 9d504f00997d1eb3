#pragma once
// The grid physics: carrying out ordered moves a step per tick, falling,
// resting on what carries a pawn's weight, and making way sideways, which
// pushes sliding blocks and kicks barrels.

#include "game/rule_step.h"
#include "world/pawn.h"

enum Direction { kDirectionLeft = 1, kDirectionRight = 3 };

// True when the pawn has no distance left to travel.
bool MoveFinished(const Pawn& pawn);

// True when something carries the pawn; may settle it and sound a holder.
bool IsSupported(RuleStep* step, Pawn* pawn);

// True when a hero-weight pawn is held by a ladder in or just below its cell.
bool OnLadder(const Position& position, const Pawn& pawn);

// Makes way for the pawn to move one cell in the direction: the hero pushes
// a sliding block along or kicks a barrel, and a rolling barrel passes its
// roll on to a standing one. True when the pawn may then move; false when
// something blocks it. Pushes play their sounds, and a kick sets the cooldown.
bool MakeWay(RuleStep* step, Pawn* pawn, Direction direction);

// Carries out every moving pawn's pending move by one step.
void MovePawns(RuleStep* step);
