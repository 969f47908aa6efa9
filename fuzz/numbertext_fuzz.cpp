// Every finite double: its display text reads back through the number reader
// to a value within the fifteen written digits, and that value writes the same
// text again; a value of at most fifteen digits reads back exactly.
#include "core/textnumber.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double)) {
        return 0;
    }
    double x = 0.0;
    std::memcpy(&x, data, sizeof x);
    if (!std::isfinite(x)) {
        return 0;
    }
    const std::string text = calc::NumberToText(x);
    if (text.empty() || (text[0] != ' ' && text[0] != '-') || text.find(',') != std::string::npos) {
        std::abort();
    }
    const double back = calc::TextToNumber(text);
    if (calc::NumberToText(back) != text) {
        std::abort();
    }
    if (x != 0.0 && std::fabs(back - x) > std::fabs(x) * 1e-14 && std::fabs(x) > 1e-300) {
        std::abort();
    }
    // The value that was written holds at most fifteen digits and so must
    // come back exactly.
    if (calc::TextToNumber(calc::NumberToText(back)) != back) {
        std::abort();
    }
    return 0;
}
