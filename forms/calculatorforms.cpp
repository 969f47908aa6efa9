#include "calculatorforms.h"

#include "lin1.h"
#include "ris123.h"
#include "tv.h"

namespace calculator {

void RegisterCalculatorWindows(forms::Runtime& runtime, const calc::LanguageTable& texts) {
    const calc::LanguageTable* t = &texts;
    runtime.setFactory(forms::FormId::TV,
                       [t](forms::Runtime& r) { return std::make_unique<TV>(r, *t); });
    runtime.setFactory(forms::FormId::LIN1,
                       [t](forms::Runtime& r) { return std::make_unique<LIN1>(r, *t); });
    runtime.setFactory(forms::FormId::Illustrations,
                       [t](forms::Runtime& r) { return std::make_unique<RIS123>(r, *t); });
}

} // namespace calculator
