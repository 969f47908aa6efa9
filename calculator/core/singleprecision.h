#pragma once

#include "failure.h"

#include <cmath>

namespace calc {

// Stores a number as a single-precision float, as the calculator keeps its
// angles in radians and the compass its angles in degrees. A value beyond the float range throws
// Overflow instead of becoming infinite.
inline float ToSingle(double value) {
    const float single = static_cast<float>(value);
    if (std::isinf(single)) {
        throw Overflow();
    }
    return single;
}

} // namespace calc
