#include "game/draw_list.h"

#include "world/level.h"
#include "world/template_roles.h"

LinkedList<Pawn*> DrawList;
Camera WorldCamera;

namespace {

bool g_enabled = true;

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
    return pawn.Template->ID == kIdWideView && Within(x, cx - kWideHalfWidth, cx + kWideHalfWidth);
}

// Animated or translucent pawns are drawn after the opaque still ones. A
// negative opacity counts as translucent; exactly 0 draws nothing anyway.
bool DrawnLate(const Pawn& pawn) {
    float opacity = pawn.Placement.opacity;
    return pawn.Template->IsAnimated() || (opacity != 0.0f && opacity < 100.0f);
}

void AddPawn(Pawn* pawn) {
    if (DrawnLate(*pawn))
        DrawList.PushBack(pawn);
    else
        DrawList.PushFront(pawn);
}

}  // namespace

void BuildDrawList(float cameraX, float cameraY) {
    float cx = -cameraX;
    float cy = -cameraY;
    DrawList.Clear();
    if (!g_enabled)
        return;
    for (LLNode<Pawn>* node = LevelPawns.head; node; node = node->next) {
        Pawn& pawn = node->data;
        if (pawn.Template->ID == kIdExplosion)
            continue;
        if (pawn.Type == kFixedPawn || InView(pawn, cx, cy))
            AddPawn(&pawn);
    }
    for (LLNode<Pawn>* node = LevelPawns.head; node; node = node->next)
        if (node->data.Template->ID == kIdExplosion)
            DrawList.PushBack(&node->data);
}

void RebuildDrawList() {
    BuildDrawList(WorldCamera.GetX(), WorldCamera.GetY());
}

void CenterCameraOn(const Pawn& pawn) {
    WorldCamera.SetX(-pawn.Placement.xoffset, true);
    WorldCamera.SetY(-pawn.Placement.yoffset, true);
}

void ResetDrawList() {
    DrawList.Clear();
    WorldCamera = Camera();
}

void SetDrawListEnabled(bool enabled) {
    g_enabled = enabled;
    if (!enabled)
        DrawList.Clear();
}
