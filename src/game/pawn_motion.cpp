#include "game/pawn_motion.h"

#include <algorithm>
#include <vector>

#include "game/flow_state.h"
#include "game/game_sounds.h"
#include "game/touch_rules.h"
#include "sound/sound_slots.h"
#include "world/angle.h"
#include "world/level.h"
#include "world/template_roles.h"

namespace {

constexpr float kWalkStep = 2.5f;
constexpr float kFallStep = 5.0f;
constexpr float kTurnStep = 15.0f;
constexpr float kFadeStep = 20.0f;

// Pawns whose IsBlocked is running in the current push chain: meeting one of
// them again means the chain came round, which counts as blocked.
std::vector<const Pawn*> g_pushChain;
// Nonzero while the hero's push asks whether the pushed pawn can move:
// barrels do not swap places inside that test.
int g_pushTestDepth = 0;

bool IsRollingBarrel(const Pawn& pawn) {
    return pawn.Template->ID == kIdRollingLeft || pawn.Template->ID == kIdRollingRight;
}

// Moves `value` one step of `step` towards zero, and `position` with it.
void Travel(float* position, float* remaining, float step) {
    if (*remaining > 0.0f) {
        *position += step;
        *remaining -= step;
    } else if (*remaining < 0.0f) {
        *position -= step;
        *remaining += step;
    }
}

void Turn(float* angle, float target) {
    if (*angle == target)
        return;
    ApproachAngle(angle, target, kTurnStep);
    WrapAngle(angle);
}

void Fade(float* opacity, float target) {
    if (target > *opacity)
        *opacity = target - *opacity > kFadeStep ? *opacity + kFadeStep : target;
    else if (target < *opacity)
        *opacity = *opacity - target > kFadeStep ? *opacity - kFadeStep : target;
}

void StepMotion(Pawn* pawn) {
    Transform& at = pawn->Placement;
    Transform& to = pawn->Motion;
    Travel(&at.xoffset, &to.xoffset, kWalkStep);
    Travel(&at.yoffset, &to.yoffset, pawn->Falling ? kFallStep : kWalkStep);
    Travel(&at.zoffset, &to.zoffset, kWalkStep);
    Turn(&at.xangle, to.xangle);
    Turn(&at.yangle, to.yangle);
    Turn(&at.zangle, to.zangle);
    Fade(&at.opacity, to.opacity);
}

bool CarriedBy(const Pawn& pawn, const Pawn& blocker) {
    const float y = pawn.Placement.yoffset;
    const float by = blocker.Placement.yoffset;
    const int flag = blocker.Template->SpecialFlag;
    return (by == y - kCellSize && flag != kFlagHolder) || (by == y && flag == kFlagHolder) ||
           (by == y - 3 * kCellSize && flag == kFlagTall);
}

// The weight test of a carrying blocker; settles the pawn when it holds.
bool RestsOn(Pawn* pawn, const Pawn& blocker) {
    const PawnTemplate& p = *pawn->Template;
    const PawnTemplate& b = *blocker.Template;
    if (p.WeightCrate && b.BlocksCrate) {
        if (!pawn->HolderPopped && b.SpecialFlag == kFlagHolder) {
            PlaySlotOnce(kSoundPopHolder);
            pawn->HolderPopped = true;
        }
    } else if (!(p.WeightRock && b.BlocksRock) && !(p.WeightHero && b.BlocksHero)) {
        return false;
    }
    pawn->Settled = 1;
    return true;
}

bool OnHeroHead(const Pawn& pawn) {
    const Pawn* hero = PlayerPawn;
    return hero && hero->Placement.yoffset == pawn.Placement.yoffset - kCellSize &&
           pawn.Placement.xoffset == hero->Placement.xoffset + hero->Motion.xoffset;
}

bool InTheWay(const Pawn& pawn, const Pawn& blocker, float d) {
    const float x = pawn.Placement.xoffset + pawn.Motion.xoffset;
    const float bx = blocker.Placement.xoffset;
    const int flag = blocker.Template->SpecialFlag;
    const bool sideways = (bx == x + d && flag != kFlagHolder) || (bx == x && flag == kFlagHolder);
    const float y = pawn.Placement.yoffset;
    const float by = blocker.Placement.yoffset;
    const bool vertically = y == by + blocker.Motion.yoffset ||
                            (flag == kFlagTall && (by == y - kCellSize || by == y - 2 * kCellSize));
    return sideways && vertically;
}

// The hero meets a pusheable pawn: it moves along unless it is blocked itself.
bool PushedAside(Pawn* pushed, int direction, float d) {
    ++g_pushTestDepth;
    const bool blocked = IsBlocked(pushed, direction);
    --g_pushTestDepth;
    if (blocked)
        return false;
    if (pushed->Template->Sliding) {
        PlaySlotOnce(kSoundSliding);
        pushed->Motion.xoffset = d;
    } else {
        SetPawnTemplate(pushed, direction == kDirectionLeft ? kSlotRollingLeft : kSlotRollingRight);
        PlaySlotOnce(kSoundBarrelRoll);
        InputCooldown = kCooldownTicks;
    }
    pushed->Settled = 0;
    return true;
}

// A rolling barrel passes its roll on to a standing barrel that is at rest:
// the two swap places, so the struck one appears to roll on.
bool SwapsWith(const Pawn& barrel, const Pawn& struck) {
    return g_pushTestDepth == 0 && IsRollingBarrel(barrel) && struck.Template->Rolling &&
           !IsRollingBarrel(struck) && MoveFinished(struck);
}

void SwapBarrels(Pawn* barrel, Pawn* struck) {
    std::swap(barrel->Placement, struck->Placement);
    PlaySlotOnce(kSoundBarrelHit);
    PlaySlotOnce(kSoundBarrelRoll);
    barrel->Settled = 0;
}

enum class Verdict { kFree, kBlocked, kSwapped, kPassOver };

Verdict MeetBlocker(Pawn* pawn, Pawn* blocker, int direction, float d) {
    const PawnTemplate& p = *pawn->Template;
    const PawnTemplate& b = *blocker->Template;
    if (p.WeightHero && b.BlocksHero) {
        if (!b.Sliding && !b.Rolling)
            return Verdict::kBlocked;
        return PushedAside(blocker, direction, d) ? Verdict::kFree : Verdict::kBlocked;
    }
    if (SwapsWith(*pawn, *blocker)) {
        SwapBarrels(pawn, blocker);
        return Verdict::kSwapped;
    }
    if ((p.WeightCrate && b.BlocksCrate) || (p.WeightRock && b.BlocksRock))
        return Verdict::kBlocked;
    return Verdict::kPassOver;
}

bool ScanBlockers(Pawn* pawn, int direction) {
    const float d = static_cast<float>(direction - 2) * kCellSize;
    // After a swap the barrel stands in a new cell: every blocker is tested
    // against it again. Each swap moves it one cell on, so this ends.
    for (int restarts = 0; restarts <= BlockingPawns.LastIndex() + 1; ++restarts) {
        Verdict verdict = Verdict::kPassOver;
        for (auto* node = BlockingPawns.head; node; node = node->next) {
            if (!InTheWay(*pawn, *node->data, d))
                continue;
            verdict = MeetBlocker(pawn, node->data, direction, d);
            if (verdict != Verdict::kPassOver)
                break;
        }
        if (verdict == Verdict::kBlocked)
            return true;
        if (verdict != Verdict::kSwapped)
            return false;
    }
    return true;
}

void StartFall(Pawn* pawn) {
    pawn->Falling = true;
    pawn->Motion.yoffset = -kCellSize;
    pawn->Motion.xoffset = 0.0f;
    if (pawn == PlayerPawn) {
        HeroFallCheck();
        pawn->Motion.xangle = 20.0f;
    }
    pawn->Motion.yangle = 0.0f;
}

void RollOn(Pawn* pawn) {
    const int id = pawn->Template->ID;
    if (id == kIdRollingLeft && !IsBlocked(pawn, kDirectionLeft)) {
        pawn->Settled = 0;
        pawn->Motion.xoffset = -kCellSize;
    }
    if (id == kIdRollingRight && !IsBlocked(pawn, kDirectionRight)) {
        pawn->Settled = 0;
        pawn->Motion.xoffset = kCellSize;
    }
}

// A pawn whose move has ended and that is not known to rest looks again:
// it falls, rolls on, or comes to rest.
void Reexamine(Pawn* pawn) {
    pawn->Falling = false;
    if (!IsSupported(pawn) && !OnLadder(*pawn))
        StartFall(pawn);
    if (!pawn->Falling)
        RollOn(pawn);
}

}  // namespace

bool MoveFinished(const Pawn& pawn) {
    return pawn.Motion.xoffset == 0.0f && pawn.Motion.yoffset == 0.0f &&
           pawn.Motion.zoffset == 0.0f;
}

bool IsSupported(Pawn* pawn) {
    if (OnHeroHead(*pawn))
        return true;
    for (auto* node = BlockingPawns.head; node; node = node->next) {
        const Pawn& blocker = *node->data;
        if (blocker.Placement.xoffset != pawn->Placement.xoffset)
            continue;
        if (pawn->Template->SpecialFlag == kFlagCarriedInColumn)
            return true;
        if (CarriedBy(*pawn, blocker) && RestsOn(pawn, blocker))
            return true;
    }
    return false;
}

bool OnLadder(const Pawn& pawn) {
    if (!pawn.Template->WeightHero)
        return false;
    const float x = pawn.Placement.xoffset;
    const float y = pawn.Placement.yoffset;
    for (auto* node = CellActionPawns.head; node; node = node->next) {
        const Pawn& cell = *node->data;
        if (cell.Placement.xoffset != x || cell.Template->ID != kIdLadder)
            continue;
        if (cell.Placement.yoffset == y - kCellSize || cell.Placement.yoffset == y)
            return true;
    }
    return false;
}

bool IsBlocked(Pawn* pawn, int direction) {
    if (std::find(g_pushChain.begin(), g_pushChain.end(), pawn) != g_pushChain.end())
        return true;
    g_pushChain.push_back(pawn);
    const bool blocked = ScanBlockers(pawn, direction);
    g_pushChain.pop_back();
    return blocked;
}

void MovePawns() {
    // The node's successor is read only after the pawn is done with: a pickup
    // taken by the hero's fall check leaves this list in the meantime.
    for (auto* node = MovingPawns.head; node; node = node->next) {
        Pawn* pawn = node->data;
        StepMotion(pawn);
        if (MoveFinished(*pawn) && pawn->Settled == 0)
            Reexamine(pawn);
    }
}
