#include "solver_game.h"

#include "core/fatal_error.h"
#include "core/keys.h"
#include "game/draw_list.h"
#include "game/flow_state.h"
#include "game/game_frame.h"
#include "game/game_state.h"
#include "game/rest_state.h"
#include "game/touch_rules.h"
#include "platform/sys_headless.h"
#include "platform/sys_main.h"
#include "tool_templates.h"

namespace {

// As long as a replay waits for a settled press before it gives up.
constexpr uint32_t kSettleLimitMs = 60u * 1000u;

struct SearchKey {
    int code;
    const char* name;
};
const SearchKey kSearchKeys[kSearchKeyCount] = {{kKeyLeft, "Left"},
                                                {kKeyRight, "Right"},
                                                {kKeyUp, "Up"},
                                                {kKeyDown, "Down"},
                                                {kKeySpace, "Space"}};

std::string g_fatal;

void KeepFatal(const char* text) {
    if (g_fatal.empty())
        g_fatal = text;
}

// One main-loop pass at the moment the game next has something to do.
void Pass() {
    FrameStartTick = GameFrameNextDue();
    Headless_SetClock(FrameStartTick);
    GameFrame();
}

bool TickRan() {
    return GameState == kGameRunning && LevelPhase == kPhasePlaying && GameTickTimer.count > 0;
}

PressOutcome Settle() {
    const uint32_t start = FrameStartTick;
    bool died = HeroDead;
    while (!LevelFinished && !GameAtRest()) {
        if (FrameStartTick - start > kSettleLimitMs || !g_fatal.empty())
            return PressOutcome::kNeverRests;
        Pass();
        died = died || HeroDead;
    }
    if (LevelFinished)
        return PressOutcome::kFinished;
    return died ? PressOutcome::kDied : PressOutcome::kAtRest;
}

}  // namespace

int SearchKeyCode(int index) {
    return kSearchKeys[index].code;
}

const char* SearchKeyName(int index) {
    return kSearchKeys[index].name;
}

bool OpenSolverGame(std::string* error) {
    Sys_StartHeadless(HeadlessOptions());
    SetFatalErrorHandler(KeepFatal);
    SetDrawListEnabled(false);
    return LoadToolTemplates(error);
}

void CloseSolverGame() {
    SetDrawListEnabled(true);
    SetFatalErrorHandler(nullptr);
    Sys_Stop();
}

bool StartLevelAsTheGameDoes(int level, std::string* error) {
    ResetFlowState();
    g_fatal.clear();
    GameState = kGameRunning;
    LevelPhase = kPhaseStartLevel;
    CurrentLevel = level;
    for (int pass = 0; pass < 8 && LevelPhase != kPhasePlaying && g_fatal.empty(); ++pass)
        Pass();
    if (g_fatal.empty() && Settle() == PressOutcome::kAtRest)
        return true;
    *error = g_fatal.empty() ? "the level does not come to rest when play begins" : g_fatal;
    return false;
}

PressOutcome PressAndSettle(int keyIndex) {
    return PressCodeAndSettle(kSearchKeys[keyIndex].code);
}

PressOutcome PressCodeAndSettle(int key) {
    KeyDown[key] = 1;
    do
        Pass();
    while (!TickRan());
    KeyDown[key] = 0;
    return Settle();
}

bool PlayIntoNextLevel() {
    const uint32_t start = FrameStartTick;
    while (!(LevelPhase == kPhasePlaying && GameAtRest()) && LevelPhase != kPhaseEnded) {
        if (FrameStartTick - start > kSettleLimitMs || !g_fatal.empty())
            return false;
        Pass();
    }
    return LevelPhase == kPhasePlaying;
}

uint32_t GameTime() {
    return FrameStartTick;
}

PressOutcome DieAndSettle() {
    HeroDies();
    return Settle();
}
