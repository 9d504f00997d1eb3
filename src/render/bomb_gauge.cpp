#include "render/bomb_gauge.h"

#include <cmath>

#include "render/camera.h"
#include "world/angle.h"

namespace {
constexpr float kGaugeRest = -9.0f;
constexpr float kGaugeUnitsPerBomb = 5.0f;

// The bar: its right end slides out from the left edge.
constexpr float kBarX = -123.0f, kBarY = 53.0f, kBarHeightStretch = 1.2f, kBarOpacity = 80.0f;
// The bombs: 5 units apart, a quarter of the model's size, a little below
// the bar's middle.
constexpr float kFirstBombX = -83.0f, kBombY = 50.0f, kBombStretch = 0.25f;

// A bomb reaches 2.5 units from its centre, towards the camera too. With the
// view's left edge here, where the bombs' nearest side is, the first bomb
// keeps a margin of 1.5 units.
constexpr float kBombReach = 2.5f;
constexpr float kGaugeLeftEdge = -87.0f;

constexpr float kDegreesToRadians = 3.14159265f / 180.0f;

// Half the width of the view at this distance from the gauge's camera.
float HalfViewWidth(float distance, float aspect) {
    return distance * std::tan(0.5f * kFieldOfViewDegrees * kDegreesToRadians) * aspect;
}

// How far sideways a point of the gauge this far behind the bombs is moved,
// so that the whole gauge moves as one on the screen.
float SidewaysShift(float aspect, float depth) {
    const float nearest = kGaugeCameraDistance - kBombReach;
    const float atBombs = -HalfViewWidth(nearest, aspect) - kGaugeLeftEdge;
    return atBombs * (nearest + kBombReach + depth) / nearest;
}
}  // namespace

float BombGaugeSpin = 0.0f;
float BombGaugeTarget = kGaugeRest;
float BombGaugePosition = kGaugeRest;

void StepBombGauge(int bombCount) {
    BombGaugeSpin = WrapAngle(BombGaugeSpin + 1.0f);
    BombGaugeTarget = bombCount < 1 ? kGaugeRest : kGaugeUnitsPerBomb * bombCount;
    if (BombGaugePosition < BombGaugeTarget)
        BombGaugePosition += 1.0f;
    else if (BombGaugePosition > BombGaugeTarget)
        BombGaugePosition -= 1.0f;
}

void ResetBombGauge() {
    BombGaugeSpin = 0.0f;
    BombGaugeTarget = kGaugeRest;
    BombGaugePosition = kGaugeRest;
}

Transform GaugeBarPlacement(float aspect) {
    const float x = kBarX + BombGaugePosition + SidewaysShift(aspect, kGaugeBarDepth);
    return Transform(0.0f, 0.0f, 0.0f, x, kBarY, -kGaugeBarDepth, 1.0f, kBarHeightStretch, 1.0f,
                     kBarOpacity);
}

Transform GaugeBombPlacement(int bomb, float aspect) {
    const float x = kFirstBombX + kGaugeUnitsPerBomb * bomb + SidewaysShift(aspect, 0.0f);
    return Transform(0.0f, BombGaugeSpin, 0.0f, x, kBombY, 0.0f, kBombStretch, kBombStretch,
                     kBombStretch);
}
