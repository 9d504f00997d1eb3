#include "game/hero_actions.h"

#include "core/sound_names.h"
#include "game/level_changes.h"
#include "game/pawn_motion.h"
#include "game/touch_rules.h"
#include "world/template_roles.h"

namespace {

// Pawns near the hero check their support on this tick.
void WakeNearbyPawns(Position* position) {
    const float x = position->PlayerPawn()->Placement.xoffset;
    for (int32_t at : position->Index->MovingPawns) {
        Pawn& pawn = position->LevelPawns[at];
        const float px = pawn.Placement.xoffset;
        if (x - 2 * kCellSize <= px && px <= x + 2 * kCellSize)
            pawn.Settled = 0;
    }
}

void ResetToCheckpoint(RuleStep* step) {
    Position& position = step->position;
    step->sound.PlayOnce(kSoundDead);
    position.HeroDead = false;
    position.InputCooldown = kCooldownTicks;
    RestoreSavedLevel(&position);
    position.BombCount = 0;
}

bool InBlast(const Pawn& pawn, float x, float y) {
    const float px = pawn.Placement.xoffset;
    const float py = pawn.Placement.yoffset;
    return x - kCellSize <= px && px <= x + kCellSize && y - kCellSize <= py && py <= y + kCellSize;
}

void SetOffBomb(RuleStep* step) {
    Position& position = step->position;
    step->sound.PlayOnce(kSoundExplosionFirst - 1 + position.ExplosionSoundIndex);
    position.ExplosionSoundIndex =
        position.ExplosionSoundIndex >= kExplosionVoices ? 1 : position.ExplosionSoundIndex + 1;
    position.BombCount -= 1;
    const float x = position.PlayerPawn()->Placement.xoffset;
    const float y = position.PlayerPawn()->Placement.yoffset;
    AddLevelPawn(&position, Pawn(&PawnTemplates[kSlotExplosion], x, y + 10.0f));
    for (int32_t at : position.Index->DestructiblePawns) {
        Pawn& pawn = position.LevelPawns[at];
        if (!InBlast(pawn, x, y))
            continue;
        SetPawnTemplate(&position, &pawn, kSlotBlasted);
        pawn.Frame = 0;
    }
    position.InputCooldown = kCooldownTicks;
    BuildLevelIndex(&position);
}

void EnterExit(RuleStep* step) {
    Position& position = step->position;
    step->sound.Stop(kSoundMusic);
    step->sound.Load(kSoundMusic, kFinishSoundFile);
    step->sound.PlayOnce(kSoundMusic);
    position.PlayerPawn()->Motion.zoffset = -kCellSize;
    position.PlayerPawn()->Motion.yangle = 180.0f;
    position.LevelFinished = true;
    step->phaseTimerReset = true;
}

// Every gate of the row beneath the switch, across the level, changes kind.
void ThrowSwitch(RuleStep* step, Pawn* lever, int newLeverSlot, int gateSlot, bool wakeMovers) {
    Position& position = step->position;
    step->sound.PlayOnce(kSoundSwitch);
    position.InputCooldown = kSwitchCooldownTicks;
    SetPawnTemplate(&position, lever, newLeverSlot);
    const float row = lever->Placement.yoffset - kCellSize;
    for (int32_t at : position.Index->GatePawns)
        if (position.LevelPawns[at].Placement.yoffset == row)
            SetPawnTemplate(&position, &position.LevelPawns[at], gateSlot);
    if (!wakeMovers)
        return;
    for (int32_t at : position.Index->MovingPawns)
        position.LevelPawns[at].Settled = 0;
}

void ClimbUp(Pawn* hero) {
    hero->Motion.yangle = 180.0f;
    hero->Motion.yoffset = kCellSize;
}

void UseCell(RuleStep* step) {
    Position& position = step->position;
    Pawn* hero = position.PlayerPawn();
    for (int32_t at : position.Index->CellActionPawns) {
        Pawn* cell = &position.LevelPawns[at];
        if (!SameCell(*cell, *hero))
            continue;
        const PawnTemplate& t = *cell->Template;
        if (t.Ladder)
            return ClimbUp(hero);
        if (t.ID == kIdSwitchUp)
            return ThrowSwitch(step, cell, kSlotSwitchDown, kSlotGateOpen, true);
        if (t.ID == kIdSwitchDown)
            return ThrowSwitch(step, cell, kSlotSwitchUp, kSlotGateClosed, false);
    }
}

void PressUp(RuleStep* step) {
    const Pawn* exit = step->position.FinishPawn();
    if (exit && SameCell(*exit, *step->position.PlayerPawn()))
        return EnterExit(step);
    UseCell(step);
}

// Down climbs onto a ladder cell below, or down the one he hangs in.
void PressDown(RuleStep* step) {
    Position& position = step->position;
    Pawn* hero = position.PlayerPawn();
    for (int32_t at : position.Index->CellActionPawns) {
        const Pawn& cell = position.LevelPawns[at];
        if (cell.Placement.xoffset != hero->Placement.xoffset)
            continue;
        const bool below = cell.Placement.yoffset == hero->Placement.yoffset - kCellSize;
        const bool here = cell.Placement.yoffset == hero->Placement.yoffset;
        if (below || (here && !IsSupported(step, hero))) {
            hero->Motion.yangle = 180.0f;
            hero->Motion.yoffset = -kCellSize;
            return;
        }
    }
}

void Walk(RuleStep* step, float yangle, Direction direction, float distance) {
    Pawn* hero = step->position.PlayerPawn();
    hero->Motion.yangle = yangle;
    if (MakeWay(step, hero, direction))
        hero->Motion.xoffset = distance;
}

// One movement key at most: a key counts only while its opposite is not held.
void MovementKeys(RuleStep* step, const KeyDownTable& keys) {
    const auto held = [&keys](int key) { return keys[key] != 0; };
    if (held(kKeyUp) && !held(kKeyDown))
        return PressUp(step);
    if (held(kKeyDown) && !held(kKeyUp))
        return PressDown(step);
    if (held(kKeyRight) && !held(kKeyLeft))
        return Walk(step, 90.0f, kDirectionRight, kCellSize);
    if (held(kKeyLeft) && !held(kKeyRight))
        return Walk(step, 270.0f, kDirectionLeft, -kCellSize);
}

// Every action a key can start leaves a move under way, a cooldown or the
// exit entered; a key that changed nothing leaves none of them.
bool HeroActed(const Position& position) {
    const Transform& motion = position.PlayerPawn()->Motion;
    const bool moving = motion.xoffset != 0.0f || motion.yoffset != 0.0f || motion.zoffset != 0.0f;
    return moving || position.InputCooldown != 0 || position.LevelFinished;
}

// The hero's own step, between moves. Returns true when a bomb went off.
bool HeroStep(RuleStep* step, const KeyDownTable& keys) {
    Position& position = step->position;
    Pawn* hero = position.PlayerPawn();
    hero->Motion.xangle = 0.0f;
    hero->Motion.yangle = 0.0f;
    hero->Settled = 0;
    TouchCheck(step);
    WakeNearbyPawns(&position);
    // Once the exit is entered the hero's keys are not read again.
    if (position.InputCooldown != 0 || position.LevelFinished)
        return false;
    if (keys[kKeyX])
        ResetToCheckpoint(step);
    if (keys[kKeySpace] && position.BombCount > 0) {
        SetOffBomb(step);
        step->heroActed = true;
        return true;
    }
    MovementKeys(step, keys);
    step->heroActed = HeroActed(position);
    return false;
}

}  // namespace

bool GameplayTick(RuleStep* step, const KeyDownTable& keys) {
    Position& position = step->position;
    if (!position.PlayerPawn())
        return false;
    if (position.InputCooldown > 0)
        position.InputCooldown -= 1;
    position.HeroLookedAround = MoveFinished(*position.PlayerPawn());
    if (position.HeroLookedAround && HeroStep(step, keys))
        return true;
    MovePawns(step);
    FlushDetachedPawns(step);
    return false;
}
