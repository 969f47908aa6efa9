#include "ris123.h"

#include "core/installationpath.h"
#include "lang/language.h"

namespace calculator {

namespace {

struct Step {
    std::string_view picture; // the literal of the picture to show
    std::int16_t next;        // the counter once it is shown
};

// The cycle of four: title picture, first, second, third illustration.
Step StepFor(std::int16_t counter, const calc::IllustrationsTexts& t) {
    if (counter < 1) {
        return {t.titlePicture, 1};
    }
    if (counter == 1) {
        return {t.pictures[0], 2};
    }
    if (counter == 2) {
        return {t.pictures[1], 3};
    }
    return {t.pictures[2], 0};
}

} // namespace

forms::WindowTable RIS123::Table(const calc::LanguageTable& texts) {
    const calc::IllustrationsTexts& t = texts.illustrations;
    // The picture box is larger than the window; the buttons lie over its
    // top-left corner.
    return {
        .name = t.formName,
        .caption = t.formName,
        .width = 6360,
        .height = 4995,
        .screenPosition = forms::TwipPosition{1860, 1530},
        .controls =
            {
                forms::PictureBox("Picture1", {0, 0, 8775, 5935}, 0).spokenAs(t.Picture1),
                forms::Button("cmd1", {240, 120, 975, 375}, t.cmd1, 1, nullptr, "Picture1"),
                forms::Button("RISYNOK", {240, 720, 975, 375}, t.RISYNOK, 2, nullptr, "Picture1"),
            },
    };
}

RIS123::RIS123(forms::Runtime& runtime, const calc::LanguageTable& texts)
    : Form(runtime, Table(texts)), m_texts(texts.illustrations) {}

void RIS123::click(std::string_view control) {
    dispatch<RIS123>(*this, control,
                     {{"RISYNOK", &RIS123::RISYNOK_Click}, {"cmd1", &RIS123::cmd1_Click}});
}

std::string RIS123::picturePath(std::string_view literal) const {
    return calc::InstallationPath(platform().programDirectory(), literal);
}

void RIS123::Form_Load() {
    // Read to make sure the title picture is there; the box stays empty until
    // the first press of RISYNOK.
    platform().readPicture(picturePath(m_texts.titlePicture));
    INTC = 0;
    forms().show(forms::FormId::Illustrations);
}

void RIS123::RISYNOK_Click() {
    const Step step = StepFor(INTC, m_texts);
    window().setPicture("Picture1", platform().readPicture(picturePath(step.picture)));
    INTC = step.next;
}

void RIS123::cmd1_Click() {
    forms().unload(forms::FormId::Illustrations);
    forms().show(forms::FormId::TV);
}

} // namespace calculator
