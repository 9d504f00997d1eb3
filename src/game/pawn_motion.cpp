#include "game/pawn_motion.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "core/sound_names.h"
#include "game/level_changes.h"
#include "game/touch_rules.h"
#include "world/angle.h"
#include "world/template_roles.h"

namespace {

constexpr float kWalkStep = 2.5f;
constexpr float kFallStep = 5.0f;
constexpr float kTurnStep = 15.0f;
constexpr float kFadeStep = 20.0f;

// The pawns whose MakeWay is running, innermost first: meeting one of them
// again means the chain of pushes came round, which counts as blocked.
// Inside the hero's push test (asking whether the pushed pawn can move),
// barrels do not pass their roll on.
struct PushChain {
    const Pawn* pawn;
    const PushChain* outer;
    bool pushTest;

    bool Holds(const Pawn* other) const { return pawn == other || (outer && outer->Holds(other)); }
};

// The blocking pawns that can stand in one or two columns, in list order:
// the fixed blockers filed under those columns and every loose blocker,
// merged by their place in the list. Pawns outside the columns are left to
// the caller's own test; a fixed blocker outside them cannot pass it.
class BlockerWalk {
  public:
    BlockerWalk(const LevelIndex& index, float column, float otherColumn, bool both)
        : first_(FixedBlockersAt(index, column)),
          second_(both ? FixedBlockersAt(index, otherColumn) : ColumnRange{nullptr, nullptr}),
          loose_(index.LooseBlockers.data()),
          looseEnd_(loose_ + index.LooseBlockers.size()) {}

    // The next pawn's place in the list, or -1 after the last.
    int32_t Next() {
        int32_t best = -1;
        Consider(first_.begin != first_.end ? first_.begin->pawn : -1, &best);
        Consider(second_.begin != second_.end ? second_.begin->pawn : -1, &best);
        Consider(loose_ != looseEnd_ ? *loose_ : -1, &best);
        if (first_.begin != first_.end && first_.begin->pawn == best)
            ++first_.begin;
        else if (second_.begin != second_.end && second_.begin->pawn == best)
            ++second_.begin;
        else if (best >= 0)
            ++loose_;
        return best;
    }

  private:
    static void Consider(int32_t candidate, int32_t* best) {
        if (candidate >= 0 && (*best < 0 || candidate < *best))
            *best = candidate;
    }
    ColumnRange first_, second_;
    const int32_t* loose_;
    const int32_t* looseEnd_;
};

// Moves `position` one step of `step` towards where `remaining` says, and
// `remaining` towards zero.
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
    const bool holder = IsHolder(*blocker.Template);
    return (by == y - kCellSize && !holder) || (by == y && holder) ||
           (by == y - 3 * kCellSize && IsTall(*blocker.Template));
}

// The weight test of a carrying blocker; settles the pawn when it holds.
bool RestsOn(RuleStep* step, Pawn* pawn, const Pawn& blocker) {
    const PawnTemplate& p = *pawn->Template;
    const PawnTemplate& b = *blocker.Template;
    if (p.WeightCrate && b.BlocksCrate) {
        if (!pawn->HolderPopped && IsHolder(b)) {
            step->sound.PlayOnce(kSoundPopHolder);
            pawn->HolderPopped = true;
        }
    } else if (!(p.WeightRock && b.BlocksRock) && !(p.WeightHero && b.BlocksHero)) {
        return false;
    }
    pawn->Settled = 1;
    return true;
}

// Directly above the cell the hero is in or walking into.
bool OnHeroHead(const Position& position, const Pawn& pawn) {
    const Pawn* hero = position.PlayerPawn();
    return hero && hero->Placement.yoffset == pawn.Placement.yoffset - kCellSize &&
           pawn.Placement.xoffset == hero->Placement.xoffset + hero->Motion.xoffset;
}

bool InTheWay(const Pawn& pawn, const Pawn& blocker, float d) {
    const float x = pawn.Placement.xoffset + pawn.Motion.xoffset;
    const float bx = blocker.Placement.xoffset;
    const bool holder = IsHolder(*blocker.Template);
    const bool sideways = (bx == x + d && !holder) || (bx == x && holder);
    const float y = pawn.Placement.yoffset;
    const float by = blocker.Placement.yoffset;
    const bool vertically =
        y == by + blocker.Motion.yoffset ||
        (IsTall(*blocker.Template) && (by == y - kCellSize || by == y - 2 * kCellSize));
    return sideways && vertically;
}

bool Blocked(RuleStep* step, Pawn* pawn, Direction direction, const PushChain* outer,
             bool pushTest);

// The hero meets a pushable pawn: it moves along unless it is blocked itself.
bool PushedAside(RuleStep* step, Pawn* pushed, Direction direction, float d,
                 const PushChain* chain) {
    if (Blocked(step, pushed, direction, chain, true))
        return false;
    if (pushed->Template->Sliding) {
        step->sound.PlayOnce(kSoundSliding);
        pushed->Motion.xoffset = d;
    } else {
        const int slot = direction == kDirectionLeft ? kSlotRollingLeft : kSlotRollingRight;
        SetPawnTemplate(&step->position, pushed, slot);
        step->sound.PlayOnce(kSoundBarrelRoll);
        step->position.InputCooldown = kCooldownTicks;
    }
    pushed->Settled = 0;
    return true;
}

// A rolling barrel passes its roll on to a standing barrel that is at rest:
// the two swap places, so the struck one appears to roll on.
bool SwapsWith(const Pawn& barrel, const Pawn& struck, const PushChain& chain) {
    return !chain.pushTest && IsRollingBarrel(*barrel.Template) && struck.Template->Rolling &&
           !IsRollingBarrel(*struck.Template) && MoveFinished(struck);
}

void SwapBarrels(RuleStep* step, Pawn* barrel, Pawn* struck) {
    std::swap(barrel->Placement, struck->Placement);
    step->sound.PlayOnce(kSoundBarrelHit);
    step->sound.PlayOnce(kSoundBarrelRoll);
    barrel->Settled = 0;
}

enum class Verdict { kFree, kBlocked, kSwapped, kPassOver };

Verdict MeetBlocker(RuleStep* step, Pawn* pawn, Pawn* blocker, Direction direction, float d,
                    const PushChain& chain) {
    const PawnTemplate& p = *pawn->Template;
    const PawnTemplate& b = *blocker->Template;
    if (p.WeightHero && b.BlocksHero) {
        if (!b.Sliding && !b.Rolling)
            return Verdict::kBlocked;
        return PushedAside(step, blocker, direction, d, &chain) ? Verdict::kFree
                                                                : Verdict::kBlocked;
    }
    if (SwapsWith(*pawn, *blocker, chain)) {
        SwapBarrels(step, pawn, blocker);
        return Verdict::kSwapped;
    }
    if ((p.WeightCrate && b.BlocksCrate) || (p.WeightRock && b.BlocksRock))
        return Verdict::kBlocked;
    return Verdict::kPassOver;
}

// The first blocker in the way, in list order, decides.
Verdict ScanBlockers(RuleStep* step, Pawn* pawn, Direction direction, const PushChain& chain) {
    const float d = static_cast<float>(direction - 2) * kCellSize;
    const float x = pawn->Placement.xoffset + pawn->Motion.xoffset;
    BlockerWalk walk(*step->position.Index, x + d, x, true);
    for (int32_t at; (at = walk.Next()) >= 0;) {
        Pawn* blocker = &step->position.LevelPawns[at];
        if (!InTheWay(*pawn, *blocker, d))
            continue;
        const Verdict verdict = MeetBlocker(step, pawn, blocker, direction, d, chain);
        if (verdict != Verdict::kPassOver)
            return verdict;
    }
    return Verdict::kPassOver;
}

bool Blocked(RuleStep* step, Pawn* pawn, Direction direction, const PushChain* outer,
             bool pushTest) {
    if (outer && outer->Holds(pawn))
        return true;
    const PushChain chain{pawn, outer, pushTest || (outer && outer->pushTest)};
    // After a swap the barrel stands in a new cell: every blocker is tested
    // against it again. Each swap moves it one cell on, so this ends.
    const size_t blockers = step->position.Index->BlockingPawns.size();
    for (size_t restarts = 0; restarts <= blockers; ++restarts) {
        const Verdict verdict = ScanBlockers(step, pawn, direction, chain);
        if (verdict != Verdict::kSwapped)
            return verdict == Verdict::kBlocked;
    }
    return true;
}

void StartFall(RuleStep* step, Pawn* pawn) {
    pawn->Falling = true;
    pawn->Motion.yoffset = -kCellSize;
    pawn->Motion.xoffset = 0.0f;
    if (pawn == step->position.PlayerPawn()) {
        HeroFallCheck(step);
        pawn->Motion.xangle = 20.0f;
    }
    pawn->Motion.yangle = 0.0f;
}

void RollOn(RuleStep* step, Pawn* pawn) {
    const int id = pawn->Template->ID;
    if (id == kIdRollingLeft && MakeWay(step, pawn, kDirectionLeft)) {
        pawn->Settled = 0;
        pawn->Motion.xoffset = -kCellSize;
    }
    if (id == kIdRollingRight && MakeWay(step, pawn, kDirectionRight)) {
        pawn->Settled = 0;
        pawn->Motion.xoffset = kCellSize;
    }
}

// A pawn whose move has ended and that is not known to rest looks again:
// it falls, rolls on, or comes to rest.
void Reexamine(RuleStep* step, Pawn* pawn) {
    pawn->Falling = false;
    if (!IsSupported(step, pawn) && !OnLadder(step->position, *pawn))
        StartFall(step, pawn);
    if (!pawn->Falling)
        RollOn(step, pawn);
}

bool Detached(const RuleStep& step, int32_t at) {
    return !step.detached.empty() &&
           std::find(step.detached.begin(), step.detached.end(), at) != step.detached.end();
}

}  // namespace

bool MoveFinished(const Pawn& pawn) {
    return pawn.Motion.xoffset == 0.0f && pawn.Motion.yoffset == 0.0f &&
           pawn.Motion.zoffset == 0.0f;
}

bool IsSupported(RuleStep* step, Pawn* pawn) {
    if (OnHeroHead(step->position, *pawn))
        return true;
    const float x = pawn->Placement.xoffset;
    BlockerWalk walk(*step->position.Index, x, x, false);
    for (int32_t at; (at = walk.Next()) >= 0;) {
        const Pawn& blocker = step->position.LevelPawns[at];
        if (blocker.Placement.xoffset != x)
            continue;
        if (CarriedInColumn(*pawn->Template))
            return true;
        if (CarriedBy(*pawn, blocker) && RestsOn(step, pawn, blocker))
            return true;
    }
    return false;
}

bool OnLadder(const Position& position, const Pawn& pawn) {
    if (!pawn.Template->WeightHero)
        return false;
    const float x = pawn.Placement.xoffset;
    const float y = pawn.Placement.yoffset;
    for (int32_t at : position.Index->CellActionPawns) {
        const Pawn& cell = position.LevelPawns[at];
        if (cell.Placement.xoffset != x || !IsLadderCell(*cell.Template))
            continue;
        if (cell.Placement.yoffset == y - kCellSize || cell.Placement.yoffset == y)
            return true;
    }
    return false;
}

bool MakeWay(RuleStep* step, Pawn* pawn, Direction direction) {
    return !Blocked(step, pawn, direction, nullptr, false);
}

void MovePawns(RuleStep* step) {
    // The hero's fall check may take a pickup out of the index while the
    // pawns are stepped; the walk goes on over the index it began with and
    // passes the pickup by.
    const std::shared_ptr<const LevelIndex> index = step->position.Index;
    for (int32_t at : index->MovingPawns) {
        if (Detached(*step, at))
            continue;
        Pawn* pawn = &step->position.LevelPawns[at];
        StepMotion(pawn);
        if (MoveFinished(*pawn) && pawn->Settled == 0)
            Reexamine(step, pawn);
    }
}
