#pragma once
// When two positions at rest are the same for the solver.
//
// A position at rest is the level's pawns, the restart copy and the bombs
// carried. Of each pawn, in list order (the physics moves pawns in that
// order), the key holds what the rules read from now on: its template, its
// place (x, y and z) and whether it is known to rest (Settled, which decides
// whether the physics looks at it again) or falls. Everything else follows
// from these or is only seen or heard: the frame shown, the angles and the
// opacity, the holder's pop already played, the camera, the explosion voice
// next in turn. At rest the keys are all up, no pawn is on its way, no
// explosion plays and the hero takes keys on the next tick whether his
// cooldown is 1 or 0; where the timers stand within their periods changes
// when things happen, never what happens, because every rule waits whole
// ticks and the flow waits out a whole phase period from a death.

#include <cstddef>
#include <cstdint>
#include <functional>

struct PositionKey {
    uint64_t high = 0, low = 0;  // 128 bits of hash: collisions are out of reach
    bool operator==(const PositionKey& other) const {
        return high == other.high && low == other.low;
    }
};

struct PositionKeyHash {
    size_t operator()(const PositionKey& key) const { return static_cast<size_t>(key.low); }
};

// The key of the position the game is in now.
PositionKey KeyOfPosition();

// The key of the restart copy alone: one per checkpoint state reached.
PositionKey KeyOfRestartCopy();
