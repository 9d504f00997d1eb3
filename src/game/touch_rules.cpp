#include "game/touch_rules.h"

#include "core/sound_names.h"
#include "game/level_changes.h"
#include "world/template_roles.h"

namespace {

void TakeBomb(RuleStep* step, int32_t at) {
    RemoveLevelPawn(&step->position, at);
    step->position.BombCount += 1;
    step->sound.PlayOnce(kSoundBombCollect);
}

void TakeCheckpoint(RuleStep* step, Pawn* checkpoint) {
    step->sound.PlayOnce(kSoundCheckpoint);
    SetPawnTemplate(&step->position, checkpoint, kSlotCheckpointTaken);
    TakeRestartCopy(&step->position);
    BuildLevelIndex(&step->position);
}

}  // namespace

void TouchCheck(RuleStep* step) {
    Position& position = step->position;
    const Pawn& hero = *position.PlayerPawn();
    for (int32_t at : position.Index->PickupPawns) {
        Pawn* pawn = &position.LevelPawns[at];
        if (!SameCell(*pawn, hero))
            continue;
        const PawnTemplate& t = *pawn->Template;
        if (IsBombPickup(t))
            return TakeBomb(step, at);
        if (IsDeadly(t))
            return HeroDies(step);
        if (IsCheckpoint(t))
            return TakeCheckpoint(step, pawn);
    }
}

void HeroFallCheck(RuleStep* step) {
    Position& position = step->position;
    const Pawn& hero = *position.PlayerPawn();
    for (int32_t at : position.Index->PickupPawns) {
        const Pawn& pawn = position.LevelPawns[at];
        if (!SameCell(pawn, hero))
            continue;
        if (IsBombPickup(*pawn.Template)) {
            DetachPawnDuringStep(step, at);
            position.BombCount += 1;
            step->sound.PlayOnce(kSoundBombCollect);
            return;
        }
        if (IsDeadly(*pawn.Template))
            return HeroDies(step);
    }
}

void HeroDies(RuleStep* step) {
    Position& position = step->position;
    if (position.HeroDead)
        return;
    step->sound.PlayOnce(kSoundDead);
    position.HeroDead = true;
    step->phaseTimerReset = true;
    position.BombCount = 0;
    position.InputCooldown = kCooldownTicks;
}
