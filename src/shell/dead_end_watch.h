#pragma once
// Tells the player when the exit can no longer be reached. Each time the game
// comes to rest somewhere new, the hint's search checks, beside the game,
// whether a way to the exit is left; the main loop only polls for the answer,
// so the gameplay tick never waits. Positions on a way found are remembered
// as winnable, so a player who follows a way costs no further search.

#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_set>

#include "game/position.h"
#include "search/hint_worker.h"

class DeadEndWatch {
  public:
    // atOnce: search on the caller's thread, holding the game (a replay,
    // whose clock is virtual, so that the answer comes at a fixed time).
    explicit DeadEndWatch(bool atOnce = false) : atOnce_(atOnce) {}

    // Off: nothing is searched or told until it is turned on again.
    void SetEnabled(bool on);
    bool Enabled() const { return enabled_; }

    // After each frame; true when Told() has changed.
    bool Follow(const Position& here);
    // Stops a search still running (a level about to load rewrites the
    // templates it reads), forgets the level's positions and tells nothing.
    void Stop();

    // The game rests in a dead end, or has left it and the next check has not
    // answered yet.
    bool Told() const { return told_; }
    // A search runs whose answer is not yet taken.
    bool Checking() const { return searching_; }

  private:
    void Check(const Position& atRest);
    void Answer(const Hint& hint);
    void TakeAnswer();
    void SetTold(bool told);

    bool atOnce_;
    bool enabled_ = true;
    bool told_ = false;
    bool changed_ = false;
    std::optional<Position> checked_;  // the last position at rest checked or being checked
    uint64_t checkedHash_ = 0;
    uint64_t ticket_ = 0;
    bool searching_ = false;
    std::unordered_set<uint64_t> winnable_, dead_;  // by HashPosition
    std::unique_ptr<HintWorker> worker_;
};
