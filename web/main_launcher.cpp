#include "forms/sdrevik.h"
#include "webplatform.h"

// Shows the launcher's window and returns: the program lives on in the page,
// which hands it the clicks.
int main() {
    auto* platform = new webui::WebPlatform("START");
    auto* runtime = new forms::Runtime(*platform);
    launcher::RegisterLauncherWindow(*runtime);
    runtime->startUp(forms::FormId::SDREVIK);
    return 0;
}
