#include "tv.h"

#include "core/handoff.h"
#include "core/lookangles.h"
#include "core/textnumber.h"
#include "lang/language.h"

namespace calculator {

forms::WindowTable TV::Table(const calc::LanguageTable& texts) {
    const calc::MainWindowTexts& t = texts.main;
    return {
        .name = "TV",
        .caption = "RASCHET",
        .width = 7155,
        .height = 4950,
        .screenPosition = {},
        .controls =
            {
                forms::Button("NAPR", {3360, 3720, 1395, 315}, t.NAPR, 21),
                forms::Button("cmdExit", {5280, 360, 615, 495}, t.cmdExit, 20),
                forms::Button("RISYNOK", {720, 720, 855, 375}, t.RISYNOK, 19),
                forms::Button("Gprog", {720, 120, 855, 375}, t.Gprog, 18),
                forms::TextBox("Text8", {4800, 4200, 1215, 495}, "", 15, &forms::kSans135)
                    .namedBy({"T9"}),
                forms::TextBox("Text7", {2040, 4200, 1215, 495}, "", 14, &forms::kSans135)
                    .namedBy({"T8"}),
                forms::TextBox("Text6", {4440, 3000, 975, 285}, "", 11).namedBy({"T5"}, {"T6", 1}),
                forms::TextBox("Text5", {2640, 3000, 855, 285}, "", 10).namedBy({"T5"}, {"T6", 0}),
                forms::TextBox("Text4", {4440, 2040, 975, 285}, "48.5", 8)
                    .namedBy({"T3"}, {"T4", 1}),
                forms::TextBox("Text3", {2640, 2040, 855, 285}, "32", 7).namedBy({"T3"}, {"T4", 0}),
                forms::TextBox("Text2", {4440, 1320, 975, 285}, "27.69", 5)
                    .namedBy({"T3"}, {"Label1", 1}),
                forms::TextBox("Text1", {2640, 1320, 855, 285}, "35", 4)
                    .namedBy({"T3"}, {"Label1", 0}),
                forms::Line("Line6", {2280, 2280, 2280, 1200}),
                forms::Label("T9", {3240, 4320, 1575, 375}, t.T9, 17),
                forms::Label("T8", {480, 4320, 1575, 255}, t.T8, 16),
                forms::Label("T7", {840, 3720, 2175, 375}, t.T7, 13, &forms::kSans12Bold),
                forms::Line("Line5", {480, 3600, 6120, 3600}),
                forms::Label("T6", {2400, 2760, 3615, 255}, t.T6, 12),
                forms::Label("T5", {240, 2760, 1815, 615}, t.T5, 9, &forms::kSans975),
                forms::Label("T4", {2280, 1800, 3495, 255}, t.T4, 6),
                forms::Label("Label1", {2400, 1080, 3735, 255}, t.Label1, 3),
                forms::Label("T3", {360, 1440, 1935, 855}, t.T3, 2, &forms::kSans975),
                forms::Line("Line4", {4920, 120, 4920, 960}),
                forms::Line("Line3", {1920, 960, 1920, 120}),
                forms::Line("Line2", {1920, 120, 4920, 120}),
                forms::Line("Line1", {1920, 960, 4920, 960}),
                forms::Label("T2", {1200, 600, 3735, 255}, t.T2, 1, &forms::kSans825Bold),
                forms::Label("T1", {1920, 240, 2535, 255}, t.T1, 0, &forms::kTimes12Bold),
            },
    };
}

TV::TV(forms::Runtime& runtime, const calc::LanguageTable& texts) : Form(runtime, Table(texts)) {}

void TV::click(std::string_view control) {
    dispatch<TV>(*this, control,
                 {{"Gprog", &TV::Gprog_Click},
                  {"NAPR", &TV::NAPR_Click},
                  {"RISYNOK", &TV::RISYNOK_Click},
                  {"cmdExit", &TV::CMDEXIT_Click}});
}

double TV::numberIn(std::string_view box) const {
    return calc::TextToNumber(text(box));
}

void TV::Form_Load() {
    forms().load(forms::FormId::Illustrations);
    forms().load(forms::FormId::LIN1);
}

void TV::Gprog_Click() {
    G1 = calc::DegMinToRadians(numberIn("Text1"), numberIn("Text2"));
    W1 = calc::DegMinToRadians(numberIn("Text3"), numberIn("Text4"));
    G2 = calc::DegMinToRadians(numberIn("Text5"), numberIn("Text6"));
    const calc::SiteAngles angles{G1, W1, G2};
    const double ALFA = calc::CalcAzimuth(angles);
    setText("Text8", calc::NumberToText(ALFA));
    const double BETA = calc::CalcElevation(angles);
    setText("Text7", calc::NumberToText(BETA));
    calc::WriteHandOffFile(ALFA, BETA);
}

void TV::NAPR_Click() {
    forms().show(forms::FormId::LIN1);
}

void TV::RISYNOK_Click() {
    forms().show(forms::FormId::Illustrations);
}

void TV::CMDEXIT_Click() {
    forms().end();
}

} // namespace calculator
