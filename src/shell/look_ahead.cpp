#include "shell/look_ahead.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPanPerTick = 5.0f;       // a quarter of a cell each gameplay tick
constexpr float kReturnShare = 0.2f;      // of the way back, each tick
constexpr float kLeastReturnStep = 1.0f;  // so that the glide ends

// The arrows in key-code order: Left, Up, Right, Down.
bool IsArrow(int key) {
    return key >= kKeyLeft && key <= kKeyDown;
}

struct Extent {
    float left, right, bottom, top;
};

// Where the level's own pawns stand (the loading picture is none of them).
Extent LevelExtent(const Position& position, const Pawn& hero) {
    Extent extent{hero.Placement.xoffset, hero.Placement.xoffset, hero.Placement.yoffset,
                  hero.Placement.yoffset};
    for (const Pawn& pawn : position.LevelPawns) {
        if (pawn.Type != kWorldPawn)
            continue;
        extent.left = std::min(extent.left, pawn.Placement.xoffset);
        extent.right = std::max(extent.right, pawn.Placement.xoffset);
        extent.bottom = std::min(extent.bottom, pawn.Placement.yoffset);
        extent.top = std::max(extent.top, pawn.Placement.yoffset);
    }
    return extent;
}

float GlideBack(float offset) {
    const float step = std::max(std::fabs(offset) * kReturnShare, kLeastReturnStep);
    return std::fabs(offset) <= step ? 0.0f : offset - std::copysign(step, offset);
}

// One tick along one axis: on in the direction looked (-1, 0 or 1), else
// back; never past the level's extent, given relative to the hero.
float Pan(float offset, int direction, float lowest, float highest) {
    offset = direction ? offset + static_cast<float>(direction) * kPanPerTick : GlideBack(offset);
    return std::clamp(offset, std::min(lowest, 0.0f), std::max(highest, 0.0f));
}

}  // namespace

void LookAhead::Key(int key, bool down, const KeyDownTable& held) {
    if (IsArrow(key))
        taken_[key - kKeyLeft] = down && (held[kKeyShift] || (held[key] && taken_[key - kKeyLeft]));
    else if (key == kKeyShift && down)
        for (int arrow = kKeyLeft; arrow <= kKeyDown; ++arrow)
            taken_[arrow - kKeyLeft] = taken_[arrow - kKeyLeft] || held[arrow];
}

void LookAhead::RulesKeys(const KeyDownTable& held, KeyDownTable* seen) const {
    std::copy(held, held + kKeyCodeCount, *seen);
    for (int arrow = kKeyLeft; arrow <= kKeyDown; ++arrow)
        if (taken_[arrow - kKeyLeft])
            (*seen)[arrow] = 0;
}

bool LookAhead::Looking(int arrow, const KeyDownTable& held) const {
    return held[kKeyShift] && held[arrow] && taken_[arrow - kKeyLeft];
}

void LookAhead::Tick(const Position& position, const KeyDownTable& held) {
    const Pawn* hero = position.LevelPhase == kPhasePlaying ? position.PlayerPawn() : nullptr;
    if (!hero) {
        x_ = y_ = 0.0f;
        return;
    }
    const Extent extent = LevelExtent(position, *hero);
    const float heroX = hero->Placement.xoffset, heroY = hero->Placement.yoffset;
    x_ = Pan(x_, Looking(kKeyRight, held) - Looking(kKeyLeft, held), extent.left - heroX,
             extent.right - heroX);
    y_ = Pan(y_, Looking(kKeyUp, held) - Looking(kKeyDown, held), extent.bottom - heroY,
             extent.top - heroY);
}
