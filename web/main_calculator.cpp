#include "forms/calculatorforms.h"
#include "lang/language.h"
#include "webplatform.h"

// One source, two builds: the build defines which language table it carries.
#if defined(CALCULATOR_RUSSIAN)
#define CALCULATOR_TABLE calc::RussianTable
#else
#define CALCULATOR_TABLE calc::EnglishTable
#endif

// Shows the main window and returns: the program lives on in the page, which
// hands it the clicks.
int main() {
    const calc::LanguageTable& texts = CALCULATOR_TABLE();
    auto* platform = new webui::WebPlatform(std::string(texts.buildName));
    auto* runtime = new forms::Runtime(*platform);
    calculator::RegisterCalculatorWindows(*runtime, texts);
    runtime->startUp(forms::FormId::TV);
    return 0;
}
