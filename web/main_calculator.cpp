#include "core/installationpath.h"
#include "forms/calculatorforms.h"
#include "lang/buildtable.h"
#include "pictures.h"
#include "webplatform.h"

// Shows the main window and returns: the program lives on in the page, which
// hands it the clicks.
int main() {
    const calc::LanguageTable& texts = calc::BuildTable();
    auto* platform = new webui::WebPlatform(std::string(texts.buildName));
    // The main window shows once the title picture has been read: fetched
    // from now on, it comes while the program starts.
    webui::PrefetchPicture(
        calc::InstallationPath(platform->programDirectory(), texts.illustrations.titlePicture));
    auto* runtime = new forms::Runtime(*platform);
    calculator::RegisterCalculatorWindows(*runtime, texts);
    runtime->startUp(forms::FormId::TV);
    return 0;
}
