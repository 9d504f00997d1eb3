#pragma once
// Angles are 32-bit floats in degrees, kept within 0..360 (360 stays 360).

// One step each way: above 360 loses 360 once, then below 0 gains 360 once.
float WrapAngle(float a);
void WrapAngle(float* a);

// Turns *current one step towards target, the short way round; ties turn
// upwards. The caller wraps *current afterwards.
void ApproachAngle(float* current, float target, float step);
