#include "game/world_camera.h"

#include "game/draw_list.h"

Camera WorldCamera;

void CenterCameraOn(const Pawn& pawn) {
    WorldCamera.SetX(-pawn.Placement.xoffset, true);
    WorldCamera.SetY(-pawn.Placement.yoffset, true);
}

void RebuildDrawList() {
    BuildDrawList(WorldCamera.GetX(), WorldCamera.GetY());
}
