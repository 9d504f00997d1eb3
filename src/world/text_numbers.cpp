#include "world/text_numbers.h"

#include <cfloat>
#include <cmath>
#include <limits>

float NarrowToFloat(double value) {
    if (std::isfinite(value) && std::fabs(value) > FLT_MAX)
        return value > 0 ? std::numeric_limits<float>::infinity()
                         : -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}
