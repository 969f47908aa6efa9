// Arbitrary text through the number reader: it either gives a finite number
// whose display text reads back to the same text, or fails with Overflow.
#include "core/failure.h"
#include "core/textnumber.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    double value = 0.0;
    try {
        value = calc::TextToNumber(text);
    } catch (const calc::Overflow&) {
        return 0;
    }
    if (!std::isfinite(value)) {
        std::abort();
    }
    const std::string shown = calc::NumberToText(value);
    if (calc::NumberToText(calc::TextToNumber(shown)) != shown) {
        std::abort();
    }
    return 0;
}
