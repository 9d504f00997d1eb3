#include "game/touch_rules.h"

#include "game/flow_state.h"
#include "game/game_sounds.h"
#include "game/game_state.h"
#include "game/level_changes.h"
#include "sound/sound_slots.h"
#include "world/level.h"
#include "world/template_roles.h"

namespace {

void TakeBomb(Pawn* pickup) {
    RemoveLevelPawn(pickup);
    BombCount += 1;
    PlaySlotOnce(kSoundBombCollect);
}

void TakeCheckpoint(Pawn* checkpoint) {
    PlaySlotOnce(kSoundCheckpoint);
    SetPawnTemplate(checkpoint, kSlotCheckpointTaken);
    SavedPawns = LevelPawns;
    RefreshLevelPointers();
}

}  // namespace

void TouchCheck() {
    for (auto* node = PickupPawns.head; node; node = node->next) {
        Pawn* pawn = node->data;
        if (!SameCell(*pawn, *PlayerPawn))
            continue;
        const PawnTemplate& t = *pawn->Template;
        if (t.SpecialFlag == kFlagBombPickup)
            return TakeBomb(pawn);
        if (t.ID == kIdDeadly)
            return HeroDies();
        if (t.ID == kIdCheckpoint)
            return TakeCheckpoint(pawn);
    }
}

void HeroFallCheck() {
    for (auto* node = PickupPawns.head; node; node = node->next) {
        Pawn* pawn = node->data;
        if (!SameCell(*pawn, *PlayerPawn))
            continue;
        if (pawn->Template->SpecialFlag == kFlagBombPickup) {
            DetachPawnDuringStep(pawn);
            BombCount += 1;
            PlaySlotOnce(kSoundBombCollect);
            return;
        }
        if (pawn->Template->ID == kIdDeadly)
            return HeroDies();
    }
}

void HeroDies() {
    if (HeroDead)
        return;
    PlaySlotOnce(kSoundDead);
    HeroDead = true;
    PhaseTimer.Reset(FrameStartTick);
    BombCount = 0;
    InputCooldown = kCooldownTicks;
}
