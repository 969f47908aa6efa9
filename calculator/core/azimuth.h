#pragma once

#include <string>

namespace calc {

// The azimuth as the compass window uses it: rounded down to a multiple of
// half a degree, and its display text.
struct Azimuth {
    float degrees = 0.0f;
    std::string text;
};

// Reads the hand-off file in `directory` (the current directory when empty)
// and turns its first field, the azimuth, into a single-precision number
// rounded down to half a degree: 191.23 gives 191, 191.5 and 191.7 give
// 191.5, -12.3 gives -12.5. The second field, the elevation, is read and not
// used. Throws what the hand-off reader throws, and Overflow for a first field
// beyond the float range.
Azimuth ReadAzimuth(const std::string& directory = {});

} // namespace calc
