#pragma once
// What the player can ask of the game beside play, and what the game keeps
// for him: undo, redo and restart through the level's history, hints
// searched beside the game, the choice of a level reached, and the saved
// progress (the highest level reached, the fewest presses of each finished
// level).

#include <string>

#include "core/keys.h"
#include "search/hint_search.h"

// How a game is run: where its progress is kept ("" keeps it only while the
// program runs), the level it begins with, and whether a hint or a dead-end
// check is searched at once, holding the game (a replay, whose clock is
// virtual), or beside it; and whether dead ends are told from the start (the
// Game menu turns it off and on).
struct SessionSettings {
    std::string progressFolder;
    int firstLevel = 1;
    bool hintsAtOnce = false;
    bool warnDeadEnds = true;
};

// Reads the progress; the session's history and hint start empty.
void StartSession(const SessionSettings& settings);
// After each call of the flow: the progress of a level begun or finished,
// a hint asked for or found, a dead end told, a level or the game finished.
void AfterSessionFrame(uint32_t now);
// Stops a hint search still running.
void EndSession();

// The menu command a key held down stands for (Z, Backspace, Y, Shift+Z, H,
// R), else 0.
int CommandForKey(int key, const KeyDownTable& held);
// Sees every hint shown (for the replay's trace); null when nobody listens.
extern void (*HintObserver)(uint32_t now, const Hint& hint);
// Sees every dead end told, as it is told.
extern void (*DeadEndObserver)(uint32_t now);

// Carries out undo, redo, hint, restart, the Levels dialog or a level chosen
// in it, and turns dead-end warnings on or off (for the session: they are on
// when the game starts); false for any other command.
bool RunPlayCommand(int command);
