#pragma once
// What the scene renderer reads from the game each frame: the draw list, the
// world camera, and the bomb count while a level is played.

#include "render/scene_view.h"

SceneView GameSceneView();
