#pragma once

#include "runtime.h"

namespace calc {
struct LanguageTable;
}

namespace calculator {

// The main window TV ("RASCHET"): the site and satellite boxes, the two result
// boxes, and START, DIRECTION, Pucture and EXIT.
class TV : public forms::Form {
public:
    TV(forms::Runtime& runtime, const calc::LanguageTable& texts);

    static forms::WindowTable Table(const calc::LanguageTable& texts);

    void Form_Load() override;
    // Closing the main window ends the program, as its EXIT does.
    bool closingEndsProgram() const override { return true; }

    void Gprog_Click();
    void NAPR_Click();
    void RISYNOK_Click();
    void CMDEXIT_Click();

private:
    void click(std::string_view control) override;
    double numberIn(std::string_view box) const;

    // The angles of the latest computation, in radians.
    float G1 = 0.0f;
    float W1 = 0.0f;
    float G2 = 0.0f;
};

} // namespace calculator
