#include "forms/sdrevik.h"
#include "win32platform.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    win32ui::Win32Platform platform("START");
    forms::Runtime runtime(platform);
    launcher::RegisterLauncherWindow(runtime);
    runtime.startUp(forms::FormId::SDREVIK);
    return platform.run();
}
