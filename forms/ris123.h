#pragma once

#include "runtime.h"

#include <cstdint>
#include <string_view>

namespace calc {
struct LanguageTable;
struct IllustrationsTexts;
} // namespace calc

namespace calculator {

// The illustrations window (RIS123E in the English build, RIS123 in the
// Russian one): a picture box larger than the window, with EXIT and the step
// button over its top-left corner. The step button shows the title picture and
// the three illustrations in turn, each read from its file on every press.
class RIS123 : public forms::Form {
public:
    RIS123(forms::Runtime& runtime, const calc::LanguageTable& texts);

    static forms::WindowTable Table(const calc::LanguageTable& texts);

    void Form_Load() override;

    void RISYNOK_Click();
    void cmd1_Click();

private:
    void click(std::string_view control) override;
    std::string picturePath(std::string_view literal) const;

    const calc::IllustrationsTexts& m_texts;

    // Selects the picture that the next press of RISYNOK shows: 0 the title
    // picture, 1 to 3 the illustrations.
    std::int16_t INTC = 0;
};

} // namespace calculator
