#include "forms/calculatorforms.h"
#include "lang/buildtable.h"
#include "webplatform.h"

// Shows the main window and returns: the program lives on in the page, which
// hands it the clicks.
int main() {
    const calc::LanguageTable& texts = calc::BuildTable();
    auto* platform = new webui::WebPlatform(std::string(texts.buildName));
    auto* runtime = new forms::Runtime(*platform);
    calculator::RegisterCalculatorWindows(*runtime, texts);
    runtime->startUp(forms::FormId::TV);
    return 0;
}
