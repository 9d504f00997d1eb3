#include "world/angle.h"

#include <climits>
#include <cmath>

namespace {

// Truncation towards zero that is defined on every float: NaN gives 0 and
// values beyond the int range saturate (a level file may hold "inf" or "1e30").
int TruncateToInt(float value) {
    if (std::isnan(value))
        return 0;
    if (value >= 2147483648.0f)
        return INT_MAX;
    if (value <= -2147483648.0f)
        return INT_MIN;
    return static_cast<int>(value);
}

}  // namespace

float WrapAngle(float a) {
    if (a > 360.0f)
        a -= 360.0f;
    if (a < 0.0f)
        a += 360.0f;
    return a;
}

void WrapAngle(float* a) {
    *a = WrapAngle(*a);
}

void ApproachAngle(float* current, float target, float step) {
    float& c = *current;
    const float t = target;
    const float s = step;
    if (c < s && t > 360.0f - s) {  // across the seam from just above 0
        c = WrapAngle(t);
    } else if (t < s && c > 360.0f - s) {  // across the seam from just below 360
        c = WrapAngle(t);
    } else if (std::fabs(c - t) < 2.0f * s) {
        c = t;
    } else if (c > t) {
        const int down = TruncateToInt(c - t);
        const int up = TruncateToInt(t + 360.0f - c);
        c = down < up ? c - s : c + s;
    } else if (c < t) {
        const int up = TruncateToInt(t - c);
        const int down = TruncateToInt(c + 360.0f - t);
        c = up <= down ? c + s : c - s;
    }
}
