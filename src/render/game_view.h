#pragma once
// The view of a game in progress: the world camera, which looks down on the
// level from 250 units, follows the hero while he lives and stays where it
// was while he is dead; and the pawns drawn around it.

#include "game/draw_list.h"
#include "game/position.h"
#include "render/camera.h"
#include "render/scene_view.h"

class GameView {
  public:
    GameView();

    // A frame after the rules ran: the camera follows the hero, then the
    // pawns around it are listed for drawing; the frames of a death are counted.
    void NextFrame(const Position& position);
    // The same frame again (the window wants repainting): the camera stays.
    void Repaint(const Position& position);

    // What the renderer reads; good as long as this view and the position live.
    SceneView Scene(const Position& position) const {
        return {&drawList_, &camera_, &position, &hint_, &heroDeadFrames_};
    }
    // From the next frame on the camera stands this far from the hero (the
    // player looks ahead).
    void LookFromHero(float x, float y) {
        lookX_ = x;
        lookY_ = y;
    }
    // The sign drawn over the hero from the next frame on (kNone: none).
    void ShowHint(const HintSign& sign) { hint_ = sign; }

  private:
    Camera camera_;
    DrawList drawList_;
    HintSign hint_;
    int heroDeadFrames_ = 0;
    float lookX_ = 0.0f, lookY_ = 0.0f;
};
