#include "render/game_view.h"

GameView::GameView() {
    camera_.SetXAngle(20.0f);
    camera_.SetDistance(250.0f);
}

void GameView::NextFrame(const Position& position) {
    heroDeadFrames_ = position.HeroDead ? heroDeadFrames_ + 1 : 0;
    const Pawn* hero = position.PlayerPawn();
    if (hero && !position.HeroDead) {
        camera_.SetX(-(hero->Placement.xoffset + lookX_));
        camera_.SetY(-(hero->Placement.yoffset + lookY_));
    }
    Repaint(position);
}

void GameView::Repaint(const Position& position) {
    BuildDrawList(position, camera_.GetX(), camera_.GetY(), &drawList_);
}
