#pragma once
// The game as the solver plays it: the real start-up of a level, the real
// main-loop passes on a virtual clock, the real gameplay tick. Nothing is
// drawn and no sound is loaded; the rules are the game's own.

#include <cstdint>
#include <string>

// What became of one key press.
enum class PressOutcome {
    kAtRest,      // everything has come to rest again
    kDied,        // the hero died, and the level was restored and came to rest
    kFinished,    // the hero entered the exit
    kNeverRests,  // nothing rested within a minute of game time
};

// The keys the solver presses: Left, Right, Up, Down, Space (never the reset key).
constexpr int kSearchKeyCount = 5;
int SearchKeyCode(int index);
const char* SearchKeyName(int index);

// Starts the headless platform and loads the templates from the data folder
// of the current directory (./gamedata); false with a reason on failure.
bool OpenSolverGame(std::string* error);
void CloseSolverGame();

// Sets level `level` up as the game does when play begins, then lets it come
// to rest; false with a reason when the level cannot be played.
bool StartLevelAsTheGameDoes(int level, std::string* error);

// Holds the key for one gameplay tick, then plays on until the game settles.
PressOutcome PressAndSettle(int keyIndex);
// The same for any key, by its virtual-key code (the reset key included).
PressOutcome PressCodeAndSettle(int keyCode);

// After a finished level: plays on until the next level is at rest, or the
// end picture shows (then false).
bool PlayIntoNextLevel();

// The game's own clock, in milliseconds since the level began loading.
uint32_t GameTime();

// The hero dies where he stands and the game restores the level as it does
// after a death; then it plays on until the game settles.
PressOutcome DieAndSettle();
