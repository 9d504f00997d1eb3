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

template <typename T>
void Assign(T& to, const T& from) {
    to = from;
}

template <typename T, size_t N>
void Assign(T (&to)[N], const T (&from)[N]) {
    std::copy(from, from + N, to);
}

// Each flow value beside its copy in the snapshot, one list for taking and
// restoring alike.
template <typename Snapshot, typename Copy>
void ForEachFlowValue(Snapshot& s, Copy copy) {
    copy(s.gameState, GameState);
    copy(s.levelPhase, LevelPhase);
    copy(s.currentLevel, CurrentLevel);
    copy(s.timerResetRequested, TimerResetRequested);
    copy(s.heroDead, HeroDead);
    copy(s.levelFinished, LevelFinished);
    copy(s.heroLookedAround, HeroLookedAround);
    copy(s.inputCooldown, InputCooldown);
    copy(s.bombCount, BombCount);
    copy(s.explosionSoundIndex, ExplosionSoundIndex);
    copy(s.phaseTimer, PhaseTimer);
    copy(s.gameTickTimer, GameTickTimer);
    copy(s.animationTimer, AnimationTimer);
    copy(s.frameStartTick, FrameStartTick);
    copy(s.keyDown, KeyDown);
    copy(s.camera, WorldCamera);
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
    ForEachFlowValue(snapshot, [](auto& kept, const auto& live) { Assign(kept, live); });
    return snapshot;
}

void RestoreGameSnapshot(const GameSnapshot& snapshot) {
    ClearLevel();
    FromVector(snapshot.level, &LevelPawns);
    FromVector(*snapshot.saved, &SavedPawns);
    // After ClearLevel, which forgets some of them.
    ForEachFlowValue(snapshot, [](const auto& kept, auto& live) { Assign(live, kept); });
    RefreshLevelPointers();
}
