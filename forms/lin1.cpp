#include "lin1.h"

#include "core/azimuth.h"
#include "core/compassdrawing.h"
#include "lang/language.h"

namespace calculator {

forms::WindowTable LIN1::Table(const calc::LanguageTable& texts) {
    const calc::CompassTexts& t = texts.compass;
    return {
        .name = "LIN1",
        .caption = "CYRC1",
        .width = 5010,
        .height = 3315,
        .screenPosition = {},
        .controls =
            {
                forms::Button("START", {120, 120, 735, 375}, t.START, 0),
                forms::Button("CMDEXIT", {120, 2280, 615, 375}, t.CMDEXIT, 1),
                forms::TextBox("POZIA", {120, 1680, 615, 375}, "-20", 2).namedBy({"Label1"}),
                forms::Label("Label1", {120, 720, t.label1Width, 855}, t.Label1, 3),
            },
    };
}

LIN1::LIN1(forms::Runtime& runtime, const calc::LanguageTable& texts)
    : Form(runtime, Table(texts)) {}

void LIN1::click(std::string_view control) {
    dispatch<LIN1>(*this, control,
                   {{"START", &LIN1::START_Click}, {"CMDEXIT", &LIN1::CMDEXIT_Click}});
}

void LIN1::START_Click() {
    calc::DrawingSurface& surface = window().surface();
    calc::ClearDiagram(surface);
    YGOL = text("POZIA");
    calc::DrawCrosses(surface, YGOL);

    // Pending events run to completion here, a second START and a calculation
    // in the main window included. Closing the window meanwhile ends this run.
    yield();

    calc::DrawCentreDot(surface);
    const calc::Azimuth azimuth = calc::ReadAzimuth();
    // The displacement is read from YGOL again, not kept from before the
    // yield: a START run inside the yield has copied POZIA's text anew, and
    // this run draws its direction for that copy.
    calc::DrawDirection(surface, YGOL, azimuth);
}

void LIN1::CMDEXIT_Click() {
    forms().show(forms::FormId::TV);
}

} // namespace calculator
