#include "forms/calculatorforms.h"
#include "lang/buildtable.h"
#include "win32platform.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const calc::LanguageTable& texts = calc::BuildTable();
    win32ui::Win32Platform platform{std::string(texts.buildName), win32ui::PicturesAndDrawing()};
    forms::Runtime runtime(platform);
    calculator::RegisterCalculatorWindows(runtime, texts);
    runtime.startUp(forms::FormId::TV);
    return platform.run();
}
