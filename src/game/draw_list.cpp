#include "game/draw_list.h"

#include <algorithm>

#include "world/template_roles.h"

namespace {

// The view box is not centred vertically: 200 below the centre, 160 above.
constexpr float kHalfWidth = 220.0f;
constexpr float kWideHalfWidth = 280.0f;
constexpr float kBelow = 200.0f;
constexpr float kAbove = 160.0f;

bool Within(float value, float low, float high) {
    return low <= value && value <= high;
}

bool InView(const Pawn& pawn, float cx, float cy) {
    float x = pawn.Placement.xoffset;
    float y = pawn.Placement.yoffset;
    if (Within(x, cx - kHalfWidth, cx + kHalfWidth) && Within(y, cy - kBelow, cy + kAbove))
        return true;
    return KeptInWideView(*pawn.Template) && Within(x, cx - kWideHalfWidth, cx + kWideHalfWidth);
}

// Animated or translucent pawns are drawn after the opaque still ones. A
// negative opacity counts as translucent; exactly 0 draws nothing anyway.
bool DrawnLate(const Pawn& pawn) {
    float opacity = pawn.Placement.opacity;
    return pawn.Template->IsAnimated() || (opacity != 0.0f && opacity < 100.0f);
}

}  // namespace

// Opaque still pawns go to the front in reverse level order; they are
// gathered in level order and turned round once at the end.
void BuildDrawList(const Position& position, float cameraX, float cameraY, DrawList* list) {
    const float cx = -cameraX;
    const float cy = -cameraY;
    DrawList late;
    list->clear();
    for (const Pawn& pawn : position.LevelPawns) {
        if (IsExplosion(*pawn.Template) || !(pawn.Type == kFixedPawn || InView(pawn, cx, cy)))
            continue;
        (DrawnLate(pawn) ? late : *list).push_back(&pawn);
    }
    std::reverse(list->begin(), list->end());
    list->insert(list->end(), late.begin(), late.end());
    for (const Pawn& pawn : position.LevelPawns)
        if (IsExplosion(*pawn.Template))
            list->push_back(&pawn);
}
