#include "render/bomb_gauge.h"

#include "world/angle.h"

namespace {
constexpr float kGaugeRest = -9.0f;
constexpr float kGaugeUnitsPerBomb = 5.0f;
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
