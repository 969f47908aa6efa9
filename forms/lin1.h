#pragma once

#include "runtime.h"

#include <string>

namespace calc {
struct LanguageTable;
}

namespace calculator {

// The compass window LIN1 ("CYRC1"): draws the fixed cross, the cross turned
// by the displacement in POZIA, and the dish direction read from the hand-off
// file. Its drawing stays while the window is open; closing the window
// discards it.
class LIN1 : public forms::Form {
public:
    LIN1(forms::Runtime& runtime, const calc::LanguageTable& texts);

    static forms::WindowTable Table(const calc::LanguageTable& texts);

    void START_Click();
    void CMDEXIT_Click();

private:
    void click(std::string_view control) override;

    // POZIA's text as the latest START took it; the direction and the arc use
    // this copy, which a START run inside the yield may have replaced.
    std::string YGOL;
};

} // namespace calculator
