#include "search/played_level.h"

#include "core/fatal_error.h"
#include "game/rest_state.h"
#include "game/touch_rules.h"

namespace {

// As long as a replay waits for a settled press before it gives up.
constexpr uint32_t kSettleLimitMs = 60u * 1000u;

const int kSearchKeys[kSearchKeyCount] = {kKeyLeft, kKeyRight, kKeyUp, kKeyDown, kKeySpace};

// The first error a level start reports, while it runs.
std::string* g_startError = nullptr;

void KeepStartError(FatalError, const char* text) {
    if (g_startError && g_startError->empty())
        *g_startError = text;
}

}  // namespace

int SearchKeyCode(int index) {
    return kSearchKeys[index];
}

const char* SearchKeyName(int index) {
    return KeyName(kSearchKeys[index]);
}

PlayedLevel::PlayedLevel() : host_(&now_) {}

// One main-loop pass at the moment the game next has something to do.
void PlayedLevel::Pass() {
    now_ = GameFrameNextDue(game_, now_);
    if (history_)
        GameFrameRecorded(&game_, history_, now_, keys_, &host_);
    else
        GameFrame(&game_, now_, keys_, &host_);
}

bool PlayedLevel::TickRan() const {
    const Position& position = game_.position;
    return position.GameState == kGameRunning && position.LevelPhase == kPhasePlaying &&
           game_.timers.GameTickTimer.count > 0;
}

PressOutcome PlayedLevel::Settle() {
    const uint32_t start = now_;
    bool died = game_.position.HeroDead;
    while (!game_.position.LevelFinished && !GameAtRest(game_.position)) {
        if (now_ - start > kSettleLimitMs)
            return PressOutcome::kNeverRests;
        Pass();
        died = died || game_.position.HeroDead;
    }
    if (game_.position.LevelFinished)
        return PressOutcome::kFinished;
    return died ? PressOutcome::kDied : PressOutcome::kAtRest;
}

bool PlayedLevel::Start(int level, std::string* error) {
    game_ = Game();
    now_ = 0;
    game_.position.GameState = kGameRunning;
    game_.position.LevelPhase = kPhaseStartLevel;
    game_.position.CurrentLevel = level;
    std::string reported;
    g_startError = &reported;
    FatalErrorHandler previous = SetFatalErrorHandler(KeepStartError);
    for (int pass = 0; pass < 8 && game_.position.LevelPhase != kPhasePlaying; ++pass)
        Pass();
    const bool rests = reported.empty() && Settle() == PressOutcome::kAtRest;
    SetFatalErrorHandler(previous);
    g_startError = nullptr;
    if (!rests)
        *error = reported.empty() ? "the level does not come to rest when play begins" : reported;
    return rests;
}

Position* PlayedLevel::Rewind() {
    game_.timers.TimerResetRequested = true;
    return &game_.position;
}

PressOutcome PlayedLevel::Press(int keyCode) {
    const uint32_t start = now_;
    keys_[keyCode] = 1;
    do
        Pass();
    while (!TickRan() && now_ - start <= kSettleLimitMs);
    keys_[keyCode] = 0;
    return TickRan() ? Settle() : PressOutcome::kNeverRests;
}

PressOutcome PlayedLevel::DieAndSettle() {
    SilentSoundSink silent;
    RuleStep step(game_.position, silent);
    HeroDies(&step);
    if (step.phaseTimerReset)
        game_.timers.PhaseTimer.Reset(now_);
    return Settle();
}

bool PlayedLevel::PlayIntoNextLevel() {
    const uint32_t start = now_;
    const Position& position = game_.position;
    while (!(position.LevelPhase == kPhasePlaying && GameAtRest(position)) &&
           position.LevelPhase != kPhaseEnded) {
        if (now_ - start > kSettleLimitMs)
            return false;
        Pass();
    }
    return position.LevelPhase == kPhasePlaying;
}
