#pragma once
// Everything that decides how a game in progress goes on: the level's pawns,
// the restart copy, the flow values, the timers, the keys held and the world
// camera. A tool that explores a level (the solver) takes a snapshot, plays
// on with the game's own tick, and puts the game back exactly as it was.

#include <cstdint>
#include <memory>
#include <vector>

#include "core/keys.h"
#include "game/flow_state.h"
#include "render/camera.h"
#include "world/pawn.h"

struct GameSnapshot {
    std::vector<Pawn> level;
    // The restart copy; positions that share one share it here too.
    std::shared_ptr<const std::vector<Pawn>> saved;
    int32_t gameState = 0, levelPhase = 0, currentLevel = 0;
    bool timerResetRequested = false, heroDead = false, levelFinished = false;
    bool heroLookedAround = false;
    int32_t inputCooldown = 0, bombCount = 0, explosionSoundIndex = 0;
    FrameTimer phaseTimer, gameTickTimer, animationTimer;
    uint32_t frameStartTick = 0;
    uint8_t keyDown[kKeyCodeCount] = {};
    Camera camera;
};

// Taken between two main-loop passes. When `sameSaved` holds the restart copy
// now in the game, the snapshot shares it instead of copying it.
GameSnapshot TakeGameSnapshot(const std::shared_ptr<const std::vector<Pawn>>& sameSaved = nullptr);

// Puts the game back as the snapshot found it, with the level index rebuilt.
void RestoreGameSnapshot(const GameSnapshot& snapshot);

// The same pawn in every value the game keeps for it.
bool SamePawn(const Pawn& a, const Pawn& b);
