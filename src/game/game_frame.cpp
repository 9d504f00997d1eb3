#include "game/game_frame.h"

#include <initializer_list>

#include "core/sound_names.h"
#include "game/hero_actions.h"
#include "game/level_changes.h"
#include "world/template_roles.h"

namespace {

constexpr char kEndPicture[] = "./gamedata\\demo_end.jpg";
// Nothing is scheduled (the end picture): only a message can change anything.
constexpr uint32_t kIdleWaitMs = 60 * 60 * 1000;

void StartGame(Game* game) {
    LoadPawnTemplates();
    Position* position = &game->position;
    position->CurrentLevel = game->firstLevel;
    position->GameState = kGameRunning;
    position->LevelPhase = kPhaseStartLevel;
}

void StartLevel(Game* game) {
    GameLevels(game);
    ClearLevel(&game->position);
    game->timers.TimerResetRequested = true;
    game->position.LevelPhase = kPhaseLoadingScreen;
}

Pawn LoadingPicturePawn() {
    Pawn pawn(&PawnTemplates[kSlotLoadingPicture]);
    pawn.Type = kFixedPawn;
    pawn.Placement.xstretch = pawn.Placement.ystretch = pawn.Placement.zstretch = 7.0f;
    pawn.Placement.zoffset = -160.0f;
    pawn.Placement.yoffset = -220.0f;
    return pawn;
}

void ShowLoadingScreen(Game* game, uint32_t now, FlowHost* host) {
    Position& position = game->position;
    const LevelEntry* level = CurrentLevelEntry(*game);
    PawnTemplates[kSlotLoadingPicture].LoadTexture(level ? level->picture.c_str() : kEndPicture, 0);
    AddLevelPawn(&position, LoadingPicturePawn());
    host->FrameDue(position);
    position.LevelPawns.front().Motion.opacity = 0.0f;  // fades once the physics moves it
    position.LevelPhase = level ? kPhaseLoadLevel : kPhaseEnded;
    game->timers.PhaseTimer.Reset(now);
}

void StartStageMusic(const LevelEntry& level, SoundSink* sound) {
    sound->Stop(kSoundMusic);
    sound->Load(kSoundMusic, level.music.c_str());
    sound->PlayLooping(kSoundMusic);
}

// The loading picture stays up until strictly more than the phase period has
// passed since it was shown, however quickly the level loaded.
void LoadLevel(Game* game, uint32_t now, FlowHost* host) {
    Position& position = game->position;
    LoadLevelPawns(position.CurrentLevel, &position.LevelPawns);
    position.IndexOutOfDate = true;
    BuildLevelIndex(&position);
    position.LevelPhase = kPhasePlaying;
    game->timers.TimerResetRequested = true;
    while (game->timers.PhaseTimer.Tick(now) == 0)
        now = host->WaitUntil(game->timers.PhaseTimer.NextDue());
    if (!position.PlayerPawn())
        return;  // reported; the program is closing
    TakeRestartCopy(&position);
    StartStageMusic(*CurrentLevelEntry(*game), &host->Sound());
}

void OnPhaseTimer(Position* position) {
    if (position->HeroDead) {
        RestoreSavedLevel(position);
        position->HeroDead = false;
        position->InputCooldown = kCooldownTicks;
    } else if (position->LevelFinished) {
        position->CurrentLevel += 1;
        position->LevelPhase = kPhaseStartLevel;
        position->LevelFinished = false;
    }
}

// Every animated pawn shows its next frame; a one-shot animation that has
// shown its last frame leaves the level.
void AnimationStep(Position* position) {
    BuildLevelIndex(position);
    for (int32_t at : position->Index->AnimatedPawns) {
        Pawn& pawn = position->LevelPawns[at];
        pawn.Frame += 1;
        if (pawn.Frame < pawn.Template->FrameCount())
            continue;
        if (LeavesAfterAnimation(*pawn.Template)) {
            RemoveLevelPawn(position, at);
            return;  // pawns behind it advance on the next step
        }
        pawn.Frame = 0;
    }
}

void Play(Game* game, uint32_t now, const KeyDownTable& keys, FlowHost* host) {
    FlowTimers& timers = game->timers;
    if (timers.PhaseTimer.Tick(now) > 0)
        OnPhaseTimer(&game->position);
    bool endedEarly = false;
    if (timers.GameTickTimer.Tick(now) > 0) {
        RuleStep step(game->position, host->Sound());
        endedEarly = GameplayTick(&step, keys);
        game->HeroActions += step.heroActed ? 1 : 0;
        if (step.phaseTimerReset)
            timers.PhaseTimer.Reset(now);
        if (!endedEarly)
            host->FrameDue(game->position);
    }
    if (!endedEarly && timers.AnimationTimer.Tick(now) > 0)
        AnimationStep(&game->position);
}

void RunPhase(Game* game, uint32_t now, const KeyDownTable& keys, FlowHost* host) {
    switch (game->position.LevelPhase) {
        case kPhaseStartLevel:
            return StartLevel(game);
        case kPhaseLoadingScreen:
            return ShowLoadingScreen(game, now, host);
        case kPhaseLoadLevel:
            return LoadLevel(game, now, host);
        case kPhasePlaying:
            return Play(game, now, keys, host);
        default:
            return;  // Ended: the end picture stays until the window closes
    }
}

void StartTimers(FlowTimers* timers, uint32_t now) {
    if (!timers->Created) {
        timers->PhaseTimer = FrameTimer(now, kPhasePeriodMs);
        timers->GameTickTimer = FrameTimer(now, kGameTickPeriodMs);
        timers->AnimationTimer = FrameTimer(now, kAnimationPeriodMs);
        timers->Created = true;
    }
    if (timers->TimerResetRequested) {
        timers->PhaseTimer.Reset(now);
        timers->GameTickTimer.Reset(now);
        timers->AnimationTimer.Reset(now);
        timers->TimerResetRequested = false;
    }
}

uint32_t Earliest(uint32_t a, uint32_t b) {
    return static_cast<int32_t>(a - b) < 0 ? a : b;
}

}  // namespace

void GameFrame(Game* game, uint32_t now, const KeyDownTable& keys, FlowHost* host) {
    StartTimers(&game->timers, now);
    if (game->position.GameState == kGameLoadTemplates)
        StartGame(game);
    else if (game->position.GameState == kGameRunning)
        RunPhase(game, now, keys, host);
}

// A store without a single level still starts level 1, whose load reports
// what is wrong with the store.
const std::vector<LevelEntry>& GameLevels(Game* game) {
    if (!game->levels.empty())
        return game->levels;
    game->levels = ReadLevelList();
    if (game->levels.empty())
        game->levels.push_back({1, "", DefaultLevelPicture(1), DefaultLevelMusic(1)});
    return game->levels;
}

const LevelEntry* CurrentLevelEntry(const Game& game) {
    const int level = game.position.CurrentLevel;
    const bool inList = level >= 1 && static_cast<size_t>(level) <= game.levels.size();
    return inList ? &game.levels[static_cast<size_t>(level - 1)] : nullptr;
}

void ResumeAfterHold(Game* game, uint32_t heldMs) {
    FlowTimers& timers = game->timers;
    for (FrameTimer* timer : {&timers.PhaseTimer, &timers.GameTickTimer, &timers.AnimationTimer})
        timer->Shift(heldMs);
}

uint32_t GameFrameNextDue(const Game& game, uint32_t now) {
    const Position& position = game.position;
    const FlowTimers& timers = game.timers;
    // A pending phase step, or timers not yet created or reset: call again at once.
    if (!timers.Created || timers.TimerResetRequested || position.GameState == kGameLoadTemplates)
        return now;
    const bool running = position.GameState == kGameRunning;
    if (running && position.LevelPhase != kPhasePlaying && position.LevelPhase != kPhaseEnded)
        return now;
    if (!running || position.LevelPhase != kPhasePlaying)
        return now + kIdleWaitMs;
    uint32_t due = Earliest(timers.PhaseTimer.NextDue(), timers.GameTickTimer.NextDue());
    return Earliest(due, timers.AnimationTimer.NextDue());
}
