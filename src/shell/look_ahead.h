#pragma once
// Looking ahead: Shift held with an arrow pans the view over the level while
// the hero waits, no further than the level's pawns reach; once Shift or the
// arrow is let go the view glides back to the hero. An arrow that goes down
// while Shift is held, or is held when Shift goes down, is for looking until
// it is let go: the rules never see it, so the hero never moves for it.

#include "core/keys.h"
#include "game/position.h"

class LookAhead {
  public:
    // A key goes down or up; `held` is the table of held keys before it.
    void Key(int key, bool down, const KeyDownTable& held);
    // The keys the rules are to see: those held, less the arrows for looking.
    void RulesKeys(const KeyDownTable& held, KeyDownTable* seen) const;
    // One gameplay tick: the view pans on or glides back. Outside play it
    // rests on the hero.
    void Tick(const Position& position, const KeyDownTable& held);

    // How far the view stands from the hero, in world units.
    float X() const { return x_; }
    float Y() const { return y_; }

  private:
    bool Looking(int arrow, const KeyDownTable& held) const;

    bool taken_[4] = {};  // Left, Up, Right, Down: held for looking
    float x_ = 0.0f, y_ = 0.0f;
};
