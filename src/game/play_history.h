#pragma once
// The presses of the level being played, for undo and redo. A press is what
// takes the game from one position at rest to the next: everything it set
// moving, a death and the restore after it, an X reset. The history keeps
// the position at rest before each press that ended somewhere else, so that
// undo can go back press by press to the level's start and redo forward
// again; a press made while pawns still move belongs to the press before it.
// Leaving a level drops its history.

#include <optional>
#include <vector>

#include "game/game_frame.h"

class PlayHistory {
  public:
    // Before each frame of the flow: at rest with a play key held, the frame
    // may begin a press.
    void BeforeFrame(const Game& game, const KeyDownTable& keys);
    // After it: a press that changed the position becomes an undo step, and
    // a level whose play has just begun or ended starts a fresh history.
    void AfterFrame(const Game& game);

    // Each returns false, leaving the position alone, when there is nothing
    // to do: no step, or a level not in play (loading, finished).
    bool Undo(Position* position);
    bool Redo(Position* position);
    // Back to the level as it began, the checkpoint forgotten; undo takes it back.
    bool Restart(Position* position);

    // Presses on the way from the level's start to the position, those undone
    // left out: each key the hero took counts, so a key held to walk three
    // cells counts three, as three presses at rest would.
    int Presses() const { return presses_; }
    size_t UndoSteps() const { return undo_.size(); }
    size_t RedoSteps() const { return redo_.size(); }

  private:
    struct Step {
        Position position;  // at rest, with a spent cooldown forgotten
        int presses;
    };
    void FollowPress(const Game& game);
    Step Here(const Position& position) const;
    void GoTo(const Step& step, Position* position);

    std::vector<Step> undo_, redo_;
    // The position at rest when a play key was last held there, and whether
    // the press has changed it since (then it is under way until the next rest).
    std::optional<Position> beforePress_;
    uint32_t actionsBeforePress_ = 0;
    bool underway_ = false;
    std::optional<Position> levelStart_;  // the level's first position at rest
    int presses_ = 0;
    bool playing_ = false;
};

// One call of the flow whose presses the history records.
void GameFrameRecorded(Game* game, PlayHistory* history, uint32_t now, const KeyDownTable& keys,
                       FlowHost* host);
