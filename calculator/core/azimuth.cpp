#include "azimuth.h"

#include "handoff.h"
#include "singleprecision.h"
#include "textnumber.h"

#include <cmath>

namespace calc {

Azimuth ReadAzimuth(const std::string& directory) {
    const HandOffFields fields = ReadHandOffFields(directory);
    const float x = ToSingle(TextToNumber(fields.field1));
    const float whole = std::floor(x);
    const float half = x - whole >= 0.5f ? 0.5f : 0.0f;
    // Adding the half even when it is zero also turns a negative zero into 0.
    const float degrees = whole + half;
    return {degrees, NumberToText(degrees)};
}

} // namespace calc
