#pragma once
// Feeds the replay's input to the game strictly in file order. A timed event
// goes in once its time has come, at once if that time passed while earlier
// events were still going on. A "next" press waits until the event before it
// is finished and the game is at rest, then holds its key for exactly one
// gameplay tick; it is finished when the key is released.

#include <cstdint>
#include <vector>

#include "replay_input.h"

class InputCursor {
  public:
    explicit InputCursor(const std::vector<InputEvent>* events) : events_(events) {}

    // Delivers the timed events due by now, up to the first "next"; true
    // when there was one.
    bool DeliverTimed(uint32_t now);

    // After each main-loop pass: a held key is released once a gameplay tick
    // has read it; then a waiting "next" key goes down if the game is at rest.
    void AfterPass(uint32_t now, bool gameplayTick, bool atRest);

    // Every event is delivered and finished.
    bool Done() const { return next_ == events_->size(); }
    // The timed event whose turn it is, or null.
    const InputEvent* TimedTurn() const;
    // The "next" press whose turn it is and whose key is not yet down, or null.
    const InputEvent* PressWaiting() const;
    // When the last event was finished; 0 before the first.
    uint32_t FinishedAt() const { return finishedAt_; }

  private:
    const InputEvent* Turn() const { return Done() ? nullptr : &(*events_)[next_]; }
    void Finish(uint32_t now);

    const std::vector<InputEvent>* events_;
    size_t next_ = 0;
    bool held_ = false;
    uint32_t finishedAt_ = 0;
};
