#pragma once
// A game in progress as one value: the level's pawns, the restart copy, the
// index that finds pawns of a kind, and the flow values (the game's state,
// the level and its phase, a death or a finished level, the key cooldown,
// the bombs carried, the explosion voice next in turn). The rules and the
// flow are functions of this value, the keys held and a sound sink; the
// clock, the timers, the held keys, the camera and the renderer live outside
// it. A position copies, compares and hashes as a value, so that undo, hints
// and the solver keep positions as plain copies.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "world/level.h"

// Values of GameState.
enum GameStateValue : int32_t {
    kGameNotStarted = 0,     // until GameInit has run
    kGameLoadTemplates = 1,  // the templates load on the next frame
    kGameRunning = 2,        // the levels are played
};

// Values of LevelPhase while GameState is kGameRunning.
enum LevelPhaseValue : int32_t {
    kPhaseNone = 0,  // before the first level starts
    kPhaseStartLevel = 1,
    kPhasePlaying = 2,
    kPhaseLoadLevel = 5,
    kPhaseLoadingScreen = 6,
    kPhaseEnded = 7,
};

struct Position {
    PawnList LevelPawns;
    // The restart copy, taken at the level's start and at each checkpoint;
    // positions copied from one another share it until one takes its own.
    std::shared_ptr<const PawnList> SavedPawns;
    // Built from LevelPawns by BuildLevelIndex and shared by copies. It stays
    // as built until the next BuildLevelIndex: a pawn turned into another
    // kind joins its new lists only then, as the rules expect.
    std::shared_ptr<const LevelIndex> Index;
    // A pawn changed kind, came or went since the index was built.
    bool IndexOutOfDate = false;

    int32_t GameState = kGameNotStarted;
    int32_t LevelPhase = kPhaseNone;
    int32_t CurrentLevel = 1;
    bool HeroDead = false;
    bool LevelFinished = false;
    // The last gameplay tick began with the hero standing in the cell he is
    // in now, so the touch rules and the wake-up around him have run there.
    bool HeroLookedAround = false;
    int32_t InputCooldown = 0;  // gameplay ticks during which the hero's keys are not read
    int32_t BombCount = 0;
    int32_t ExplosionSoundIndex = 1;  // 1, 2, 3: which explosion voice sounds next

    Position();

    // The hero and the exit as the index found them; null when there is none.
    Pawn* PlayerPawn() { return PawnOrNull(Index->PlayerPawn); }
    const Pawn* PlayerPawn() const { return PawnOrNull(Index->PlayerPawn); }
    Pawn* FinishPawn() { return PawnOrNull(Index->FinishPawn); }
    const Pawn* FinishPawn() const { return PawnOrNull(Index->FinishPawn); }

  private:
    Pawn* PawnOrNull(int32_t at) { return at < 0 ? nullptr : &LevelPawns[at]; }
    const Pawn* PawnOrNull(int32_t at) const { return at < 0 ? nullptr : &LevelPawns[at]; }
};

// Two positions are equal when the game goes on alike from both: the same
// pawns in the same order, each of the same kind and type, at the same place
// with the same move pending, equally settled, falling, visible and popped
// into a holder, and on the same frame where the frame decides when it
// leaves the level; the same restart copy; the same flow values; and, where
// either index is out of date, the same index. What is only seen or heard
// is left out: angles, stretches, opacity, the frame of an animation that
// loops, the explosion voice next in turn.
bool operator==(const Position& a, const Position& b);
inline bool operator!=(const Position& a, const Position& b) {
    return !(a == b);
}

// The same pawn, or the same pawns in the same order, for the rules, in the
// sense above.
bool SamePawnForRules(const Pawn& a, const Pawn& b);
bool SamePawnsForRules(const PawnList& a, const PawnList& b);

// The pawn's flags the rules read, one bit each: settled (any value but 0
// counts as 1), visible, falling, popped into a holder.
uint8_t PawnFlagBits(const Pawn& pawn);

// A hash that agrees with equality. Each pawn list counts as the sum of its
// pawns' hashes (PawnHash) and its length, so that a program that knows
// which pawns changed can bring the hash up to date pawn by pawn, and give
// it to HashPositionFrom.
uint64_t HashPosition(const Position& position);
uint64_t PawnHash(const Pawn& pawn);
uint64_t PawnListHash(const PawnList& pawns);
uint64_t HashPositionFrom(const Position& position, uint64_t levelPawnsHash,
                          uint64_t savedPawnsHash);
