#pragma once
// A level played the way the game plays it, without a window, a sound or a
// real clock: the game's own flow on a virtual clock that jumps to the next
// moment anything is due. A search puts a position in, presses one key for
// one gameplay tick, and lets everything come to rest again.

#include <cstdint>
#include <string>

#include "core/keys.h"
#include "game/game_frame.h"
#include "game/play_history.h"

// What became of one key press.
enum class PressOutcome {
    kAtRest,      // everything has come to rest again
    kDied,        // the hero died, and the level was restored and came to rest
    kFinished,    // the hero entered the exit
    kNeverRests,  // nothing rested within a minute of game time
};

// The keys a search presses: Left, Right, Up, Down, Space (never the reset key).
constexpr int kSearchKeyCount = 5;
int SearchKeyCode(int index);
const char* SearchKeyName(int index);

class PlayedLevel {
  public:
    PlayedLevel();
    PlayedLevel(const PlayedLevel&) = delete;
    PlayedLevel& operator=(const PlayedLevel&) = delete;

    // Sets level `level` of ./gamedata\levels.xml up as the game does when
    // play begins (the templates must be loaded), then lets it come to rest;
    // false with a reason when the level cannot be played.
    bool Start(int level, std::string* error);

    const Position& position() const { return game_.position; }
    // Play goes on from this position; the timers start afresh.
    void SetPosition(const Position& position) { *Rewind() = position; }
    // The same for a caller that changes the position in place.
    Position* Rewind();

    // Holds the key for one gameplay tick, then plays on until the game settles.
    PressOutcome Press(int keyCode);
    // The hero dies where he stands and the game restores the level as it
    // does after a death; then it plays on until the game settles.
    PressOutcome DieAndSettle();
    // After a finished level: plays on until the next level is at rest, or
    // the end picture shows (then false).
    bool PlayIntoNextLevel();

    // The game's own clock, in milliseconds since the level began loading.
    uint32_t Time() const { return now_; }

    // Every frame from now on goes through the history (null: none does).
    void RecordInto(PlayHistory* history) { history_ = history; }

  private:
    class Host : public FlowHost {
      public:
        explicit Host(uint32_t* now) : now_(now) {}
        SoundSink& Sound() override { return silent_; }
        void FrameDue(const Position&) override {}
        uint32_t WaitUntil(uint32_t tick) override { return *now_ = tick; }

      private:
        uint32_t* now_;
        SilentSoundSink silent_;
    };

    void Pass();
    bool TickRan() const;
    PressOutcome Settle();

    Game game_;
    uint32_t now_ = 0;
    KeyDownTable keys_ = {};
    Host host_;
    PlayHistory* history_ = nullptr;
};
