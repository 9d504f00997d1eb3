#include "game/game_snapshot.h"

#include <algorithm>
#include <cstring>

#include "game/draw_list.h"
#include "game/flow_state.h"
#include "game/game_state.h"
#include "game/level_changes.h"
#include "world/level.h"

namespace {

std::vector<Pawn> ToVector(const LinkedList<Pawn>& list) {
    std::vector<Pawn> pawns;
    for (auto* node = list.head; node; node = node->next)
        pawns.push_back(node->data);
    return pawns;
}

void FromVector(const std::vector<Pawn>& pawns, LinkedList<Pawn>* list) {
    list->Clear();
    for (const Pawn& pawn : pawns)
        list->PushBack(pawn);
}

bool SameTransform(const Transform& a, const Transform& b) {
    return std::memcmp(&a, &b, sizeof(Transform)) == 0;
}

bool SameAsSaved(const std::vector<Pawn>& saved) {
    auto* node = SavedPawns.head;
    for (const Pawn& pawn : saved) {
        if (!node || !SamePawn(pawn, node->data))
            return false;
        node = node->next;
    }
    return node == nullptr;
}

void TakeFlow(GameSnapshot* s) {
    s->gameState = GameState;
    s->levelPhase = LevelPhase;
    s->currentLevel = CurrentLevel;
    s->timerResetRequested = TimerResetRequested;
    s->heroDead = HeroDead;
    s->levelFinished = LevelFinished;
    s->heroLookedAround = HeroLookedAround;
    s->inputCooldown = InputCooldown;
    s->bombCount = BombCount;
    s->explosionSoundIndex = ExplosionSoundIndex;
    s->phaseTimer = PhaseTimer;
    s->gameTickTimer = GameTickTimer;
    s->animationTimer = AnimationTimer;
    s->frameStartTick = FrameStartTick;
    std::copy(KeyDown, KeyDown + 256, s->keyDown);
    s->camera = WorldCamera;
}

void RestoreFlow(const GameSnapshot& s) {
    GameState = s.gameState;
    LevelPhase = s.levelPhase;
    CurrentLevel = s.currentLevel;
    TimerResetRequested = s.timerResetRequested;
    HeroDead = s.heroDead;
    LevelFinished = s.levelFinished;
    InputCooldown = s.inputCooldown;
    BombCount = s.bombCount;
    ExplosionSoundIndex = s.explosionSoundIndex;
    PhaseTimer = s.phaseTimer;
    GameTickTimer = s.gameTickTimer;
    AnimationTimer = s.animationTimer;
    FrameStartTick = s.frameStartTick;
    std::copy(s.keyDown, s.keyDown + 256, KeyDown);
    WorldCamera = s.camera;
}

}  // namespace

bool SamePawn(const Pawn& a, const Pawn& b) {
    return a.Template == b.Template && a.Frame == b.Frame && a.Type == b.Type &&
           a.Settled == b.Settled && a.Visible == b.Visible && a.Falling == b.Falling &&
           a.HolderPopped == b.HolderPopped && SameTransform(a.Placement, b.Placement) &&
           SameTransform(a.Motion, b.Motion);
}

GameSnapshot TakeGameSnapshot(const std::shared_ptr<const std::vector<Pawn>>& sameSaved) {
    GameSnapshot snapshot;
    snapshot.level = ToVector(LevelPawns);
    if (sameSaved && SameAsSaved(*sameSaved))
        snapshot.saved = sameSaved;
    else
        snapshot.saved = std::make_shared<const std::vector<Pawn>>(ToVector(SavedPawns));
    TakeFlow(&snapshot);
    return snapshot;
}

void RestoreGameSnapshot(const GameSnapshot& snapshot) {
    ClearLevel();
    FromVector(snapshot.level, &LevelPawns);
    FromVector(*snapshot.saved, &SavedPawns);
    RestoreFlow(snapshot);
    HeroLookedAround = snapshot.heroLookedAround;  // ClearLevel forgets it
    RefreshLevelPointers();
}
