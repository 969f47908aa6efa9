#pragma once

#include "runtime.h"

namespace calc {
struct LanguageTable;
}

namespace calculator {

// Tells the runtime how to make each of the calculator's windows, with the
// build's texts.
void RegisterCalculatorWindows(forms::Runtime& runtime, const calc::LanguageTable& texts);

} // namespace calculator
