#include "game/play_history.h"

#include "game/rest_state.h"

namespace {

// The keys the rules read; any other key held changes nothing by itself.
bool PlayKeyHeld(const KeyDownTable& keys) {
    for (const NamedKey& key : kNamedKeys)
        if (keys[key.code])
            return true;
    return false;
}

}  // namespace

void PlayHistory::BeforeFrame(const Game& game, const KeyDownTable& keys) {
    if (!playing_ || !PlayKeyHeld(keys) || !GameAtRest(game.position))
        return;
    beforePress_ = AtRestForm(game.position);
    actionsBeforePress_ = game.HeroActions;
}

void PlayHistory::AfterFrame(const Game& game) {
    const Position& position = game.position;
    const bool playing = position.GameState == kGameRunning && position.LevelPhase == kPhasePlaying;
    if (playing != playing_)  // a level begun or left (for the next, the end picture)
        *this = PlayHistory();
    playing_ = playing;
    if (playing && !levelStart_ && GameAtRest(position))
        levelStart_ = AtRestForm(position);
    if (beforePress_)
        FollowPress(game);
}

// A press ends at the next rest, or as it enters the exit; one that ends
// where it began leaves nothing to undo.
void PlayHistory::FollowPress(const Game& game) {
    const Position& position = game.position;
    const bool ended = GameAtRest(position) || position.LevelFinished;
    const bool moved = !(AtRestForm(position) == *beforePress_);
    underway_ = underway_ || moved;
    if (!underway_ || !ended)
        return;
    if (moved) {
        undo_.push_back({std::move(*beforePress_), presses_});
        redo_.clear();
        presses_ += static_cast<int>(game.HeroActions - actionsBeforePress_);
    }
    beforePress_.reset();
    underway_ = false;
}

PlayHistory::Step PlayHistory::Here(const Position& position) const {
    return {AtRestForm(position), presses_};
}

void PlayHistory::GoTo(const Step& step, Position* position) {
    *position = step.position;
    presses_ = step.presses;
    beforePress_.reset();
    underway_ = false;
}

// A press under way is taken back with its motion, and leaves nothing to
// redo: it never came to rest.
bool PlayHistory::Undo(Position* position) {
    if (!LevelBeingPlayed(*position))
        return false;
    if (underway_) {
        GoTo({*beforePress_, presses_}, position);
        return true;
    }
    if (undo_.empty())
        return false;
    if (GameAtRest(*position))
        redo_.push_back(Here(*position));
    GoTo(undo_.back(), position);
    undo_.pop_back();
    return true;
}

bool PlayHistory::Redo(Position* position) {
    if (!LevelBeingPlayed(*position) || redo_.empty() || !GameAtRest(*position))
        return false;
    undo_.push_back(Here(*position));
    GoTo(redo_.back(), position);
    redo_.pop_back();
    return true;
}

// Undo after a restart goes back to the last position at rest before it.
bool PlayHistory::Restart(Position* position) {
    if (!LevelBeingPlayed(*position) || !levelStart_)
        return false;
    if (underway_)
        undo_.push_back({*beforePress_, presses_});
    else if (GameAtRest(*position))
        undo_.push_back(Here(*position));
    redo_.clear();
    GoTo({*levelStart_, 0}, position);
    return true;
}

void GameFrameRecorded(Game* game, PlayHistory* history, uint32_t now, const KeyDownTable& keys,
                       FlowHost* host) {
    history->BeforeFrame(*game, keys);
    GameFrame(game, now, keys, host);
    history->AfterFrame(*game);
}
