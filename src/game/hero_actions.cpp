#include "game/hero_actions.h"

#include "core/keys.h"
#include "game/draw_list.h"
#include "game/flow_state.h"
#include "game/game_sounds.h"
#include "game/game_state.h"
#include "game/level_changes.h"
#include "game/pawn_motion.h"
#include "game/touch_rules.h"
#include "sound/sound_slots.h"
#include "world/level.h"
#include "world/template_roles.h"

namespace {

bool Held(int key) {
    return KeyDown[key] != 0;
}

// Pawns near the hero check their support on this tick.
void WakeNearbyPawns() {
    const float x = PlayerPawn->Placement.xoffset;
    for (auto* node = MovingPawns.head; node; node = node->next) {
        const float px = node->data->Placement.xoffset;
        if (x - 2 * kCellSize <= px && px <= x + 2 * kCellSize)
            node->data->Settled = 0;
    }
}

void ResetToCheckpoint() {
    PlaySlotOnce(kSoundDead);
    HeroDead = false;
    InputCooldown = kCooldownTicks;
    RestoreSavedLevel();
    CenterCameraOn(*PlayerPawn);
    BombCount = 0;
}

bool InBlast(const Pawn& pawn, float x, float y) {
    const float px = pawn.Placement.xoffset;
    const float py = pawn.Placement.yoffset;
    return x - kCellSize <= px && px <= x + kCellSize && y - kCellSize <= py && py <= y + kCellSize;
}

void SetOffBomb() {
    PlaySlotOnce(kSoundExplosionFirst - 1 + ExplosionSoundIndex);
    ExplosionSoundIndex = ExplosionSoundIndex >= 3 ? 1 : ExplosionSoundIndex + 1;
    BombCount -= 1;
    const float x = PlayerPawn->Placement.xoffset;
    const float y = PlayerPawn->Placement.yoffset;
    LevelPawns.PushBack(Pawn(&PawnTemplates[kSlotExplosion], x, y + 10.0f));
    for (auto* node = Id3Pawns.head; node; node = node->next) {
        if (!InBlast(*node->data, x, y))
            continue;
        SetPawnTemplate(node->data, kSlotBlasted);
        node->data->Frame = 0;
    }
    InputCooldown = kCooldownTicks;
    // Nothing is drawn on the tick of the blast; the draw list still points at
    // live pawns, since only a pawn was added.
    BuildLevelIndex();
}

void EnterExit() {
    StopSlot(kSoundMusic);
    LoadSlot(kSoundMusic, "./gamedata\\sound\\finish.wav");
    PlaySlotOnce(kSoundMusic);
    PlayerPawn->Motion.zoffset = -kCellSize;
    PlayerPawn->Motion.yangle = 180.0f;
    LevelFinished = true;
    PhaseTimer.Reset(FrameStartTick);
}

// Every gate of the row beneath the switch, across the level, changes kind.
void ThrowSwitch(Pawn* lever, int newLeverSlot, int gateSlot, bool wakeMovers) {
    PlaySlotOnce(kSoundSwitch);
    InputCooldown = kSwitchCooldownTicks;
    SetPawnTemplate(lever, newLeverSlot);
    const float row = lever->Placement.yoffset - kCellSize;
    for (auto* node = GatePawns.head; node; node = node->next)
        if (node->data->Placement.yoffset == row)
            SetPawnTemplate(node->data, gateSlot);
    if (!wakeMovers)
        return;
    for (auto* node = MovingPawns.head; node; node = node->next)
        node->data->Settled = 0;
}

void ClimbUp() {
    PlayerPawn->Motion.yangle = 180.0f;
    PlayerPawn->Motion.yoffset = kCellSize;
}

void UseCell() {
    for (auto* node = CellActionPawns.head; node; node = node->next) {
        Pawn* cell = node->data;
        if (!SameCell(*cell, *PlayerPawn))
            continue;
        const PawnTemplate& t = *cell->Template;
        if (t.Ladder)
            return ClimbUp();
        if (t.ID == kIdSwitchUp)
            return ThrowSwitch(cell, kSlotSwitchDown, kSlotGateOpen, true);
        if (t.ID == kIdSwitchDown)
            return ThrowSwitch(cell, kSlotSwitchUp, kSlotGateClosed, false);
    }
}

void PressUp() {
    if (FinishPawn && SameCell(*FinishPawn, *PlayerPawn))
        return EnterExit();
    UseCell();
}

void PressDown() {
    const Pawn& hero = *PlayerPawn;
    for (auto* node = CellActionPawns.head; node; node = node->next) {
        const Pawn& cell = *node->data;
        if (cell.Placement.xoffset != hero.Placement.xoffset)
            continue;
        const bool below = cell.Placement.yoffset == hero.Placement.yoffset - kCellSize;
        const bool here = cell.Placement.yoffset == hero.Placement.yoffset;
        if (below || (here && !IsSupported(PlayerPawn))) {
            PlayerPawn->Motion.yangle = 180.0f;
            PlayerPawn->Motion.yoffset = -kCellSize;
            return;
        }
    }
}

void Walk(float yangle, int direction, float distance) {
    PlayerPawn->Motion.yangle = yangle;
    if (!IsBlocked(PlayerPawn, direction))
        PlayerPawn->Motion.xoffset = distance;
}

// One movement key at most: a key counts only while its opposite is not held.
void MovementKeys() {
    if (Held(kKeyUp) && !Held(kKeyDown))
        return PressUp();
    if (Held(kKeyDown) && !Held(kKeyUp))
        return PressDown();
    if (Held(kKeyRight) && !Held(kKeyLeft))
        return Walk(90.0f, kDirectionRight, kCellSize);
    if (Held(kKeyLeft) && !Held(kKeyRight))
        return Walk(270.0f, kDirectionLeft, -kCellSize);
}

// The hero's own step, between moves. Returns true when a bomb went off.
bool HeroStep() {
    PlayerPawn->Motion.xangle = 0.0f;
    PlayerPawn->Motion.yangle = 0.0f;
    PlayerPawn->Settled = 0;
    TouchCheck();
    WakeNearbyPawns();
    // Once the exit is entered the hero's keys are not read again.
    if (InputCooldown != 0 || LevelFinished)
        return false;
    if (Held(kKeyX))
        ResetToCheckpoint();
    if (Held(kKeySpace) && BombCount > 0) {
        SetOffBomb();
        return true;
    }
    MovementKeys();
    return false;
}

}  // namespace

bool GameplayTick() {
    if (!PlayerPawn)
        return false;
    if (InputCooldown > 0)
        InputCooldown -= 1;
    HeroLookedAround = MoveFinished(*PlayerPawn);
    if (HeroLookedAround && HeroStep())
        return true;
    MovePawns();
    FlushDetachedPawns();
    if (!HeroDead)
        CenterCameraOn(*PlayerPawn);
    return false;
}
