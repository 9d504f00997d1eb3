#include "game/game_frame.h"

#include <cstdio>
#include <string>

#include "game/draw_list.h"
#include "game/flow_state.h"
#include "game/frame_output.h"
#include "game/game_sounds.h"
#include "game/game_state.h"
#include "game/hero_actions.h"
#include "game/level_changes.h"
#include "platform/sys_clock.h"
#include "platform/sys_path.h"
#include "sound/sound_slots.h"
#include "world/level.h"
#include "world/template_roles.h"

int32_t CurrentLevel = 1;
bool TimerResetRequested = false;
bool HeroDead = false;
bool LevelFinished = false;
int32_t InputCooldown = 0;
int32_t BombCount = 0;
int32_t ExplosionSoundIndex = 1;
bool HeroLookedAround = false;

FrameTimer PhaseTimer;
FrameTimer GameTickTimer;
FrameTimer AnimationTimer;

namespace {

constexpr int kLastLevel = 2;
// Nothing is scheduled (the end picture): only a message can change anything.
constexpr uint32_t kIdleWaitMs = 60 * 60 * 1000;

bool g_timersCreated = false;

void StartGame() {
    LoadPawnTemplates();
    CurrentLevel = 1;
    GameState = kGameRunning;
    LevelPhase = kPhaseStartLevel;
}

void StartLevel() {
    ClearLevel();
    WorldCamera.SetXAngle(20.0f, true);
    WorldCamera.SetDistance(250.0f, true);
    TimerResetRequested = true;
    LevelPhase = kPhaseLoadingScreen;
}

void ShowLoadingScreen() {
    char path[64];
    if (CurrentLevel <= kLastLevel)
        std::snprintf(path, sizeof path, "./gamedata\\loading%d.jpg", CurrentLevel);
    else
        std::snprintf(path, sizeof path, "./gamedata\\demo_end.jpg");
    PawnTemplate* picture = &PawnTemplates[kSlotLoadingPicture];
    picture->LoadTexture(path, 0);
    LevelPawns.PushBack(Pawn(picture));
    Pawn& pawn = LevelPawns.Last();
    pawn.Type = kFixedPawn;
    pawn.Placement.xstretch = pawn.Placement.ystretch = pawn.Placement.zstretch = 7.0f;
    pawn.Placement.zoffset = -160.0f;
    pawn.Placement.yoffset = -220.0f;
    RebuildDrawList();
    DrawFrame();
    LevelPawns.head->data.Motion.opacity = 0.0f;  // fades once the physics moves it
    LevelPhase = CurrentLevel <= kLastLevel ? kPhaseLoadLevel : kPhaseEnded;
    PhaseTimer.Reset(FrameStartTick);
}

// The loading picture stays up until strictly more than the phase period has
// passed since it was shown, however quickly the level loaded.
void WaitOutPhaseTimer() {
    while (PhaseTimer.Tick(FrameStartTick) == 0) {
        Sys_WaitUntil(PhaseTimer.NextDue());
        FrameStartTick = GetTickCount();
    }
}

void StartStageMusic() {
    char path[128];
    std::snprintf(path, sizeof path, "./gamedata\\sound\\stage%d.wav", CurrentLevel);
    StopSlot(kSoundMusic);
    LoadSlot(kSoundMusic, path);
    PlaySlotLooping(kSoundMusic);
}

void LoadLevel() {
    LoadLevelPawns(CurrentLevel);
    RefreshLevelPointers();
    if (!PlayerPawn)
        Sys_ReportFileProblem("./gamedata\\levels.xml",
                              "Level" + std::to_string(CurrentLevel) +
                                  " has no pawn whose template has SpecialFlag 11 (the hero)");
    LevelPhase = kPhasePlaying;
    TimerResetRequested = true;
    WaitOutPhaseTimer();
    if (!PlayerPawn)
        return;  // reported; the program is closing
    CenterCameraOn(*PlayerPawn);
    SavedPawns = LevelPawns;
    StartStageMusic();
}

void OnPhaseTimer() {
    if (HeroDead) {
        RestoreSavedLevel();
        HeroDead = false;
        InputCooldown = kCooldownTicks;
        if (PlayerPawn)
            CenterCameraOn(*PlayerPawn);
    } else if (LevelFinished) {
        CurrentLevel += 1;
        LevelPhase = kPhaseStartLevel;
        LevelFinished = false;
    }
}

// Every animated pawn shows its next frame; a one-shot animation that has
// shown its last frame leaves the level.
void AnimationStep() {
    BuildLevelIndex();
    for (auto* node = AnimatedPawns.head; node; node = node->next) {
        Pawn* pawn = node->data;
        pawn->Frame += 1;
        if (pawn->Frame < pawn->Template->FrameCount())
            continue;
        if (pawn->Template->SpecialFlag == kFlagOneShot) {
            RemoveLevelPawn(pawn);
            return;  // pawns behind it advance on the next step
        }
        pawn->Frame = 0;
    }
}

void Play() {
    if (PhaseTimer.Tick(FrameStartTick) > 0)
        OnPhaseTimer();
    bool endedEarly = false;
    if (GameTickTimer.Tick(FrameStartTick) > 0) {
        endedEarly = GameplayTick();
        if (!endedEarly) {
            RebuildDrawList();
            DrawFrame();
        }
    }
    if (!endedEarly && AnimationTimer.Tick(FrameStartTick) > 0)
        AnimationStep();
}

void RunPhase() {
    switch (LevelPhase) {
        case kPhaseStartLevel:
            return StartLevel();
        case kPhaseLoadingScreen:
            return ShowLoadingScreen();
        case kPhaseLoadLevel:
            return LoadLevel();
        case kPhasePlaying:
            return Play();
        default:
            return;  // Ended: the end picture stays until the window closes
    }
}

uint32_t Earliest(uint32_t a, uint32_t b) {
    return static_cast<int32_t>(a - b) < 0 ? a : b;
}

}  // namespace

void GameFrame() {
    if (!g_timersCreated) {
        PhaseTimer = FrameTimer(FrameStartTick, kPhasePeriodMs);
        GameTickTimer = FrameTimer(FrameStartTick, kGameTickPeriodMs);
        AnimationTimer = FrameTimer(FrameStartTick, kAnimationPeriodMs);
        g_timersCreated = true;
    }
    if (TimerResetRequested) {
        PhaseTimer.Reset(FrameStartTick);
        GameTickTimer.Reset(FrameStartTick);
        AnimationTimer.Reset(FrameStartTick);
        TimerResetRequested = false;
    }
    if (GameState == kGameLoadTemplates)
        StartGame();
    else if (GameState == kGameRunning)
        RunPhase();
}

void ResetFlowState() {
    CurrentLevel = 1;
    TimerResetRequested = HeroDead = LevelFinished = HeroLookedAround = false;
    InputCooldown = BombCount = 0;
    ExplosionSoundIndex = 1;
    PhaseTimer = GameTickTimer = AnimationTimer = FrameTimer();
    g_timersCreated = false;
}

uint32_t GameFrameNextDue() {
    // A pending phase step, or timers not yet created or reset: call again at once.
    if (!g_timersCreated || TimerResetRequested || GameState == kGameLoadTemplates)
        return FrameStartTick;
    if (GameState == kGameRunning && LevelPhase != kPhasePlaying && LevelPhase != kPhaseEnded)
        return FrameStartTick;
    if (GameState != kGameRunning || LevelPhase != kPhasePlaying)
        return FrameStartTick + kIdleWaitMs;
    uint32_t due = Earliest(PhaseTimer.NextDue(), GameTickTimer.NextDue());
    return Earliest(due, AnimationTimer.NextDue());
}
