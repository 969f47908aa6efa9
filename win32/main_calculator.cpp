#include "forms/calculatorforms.h"
#include "lang/language.h"
#include "win32platform.h"

#include <windows.h>

// One source, two builds: the build defines which language table it carries.
#if defined(CALCULATOR_RUSSIAN)
#define CALCULATOR_TABLE calc::RussianTable
#else
#define CALCULATOR_TABLE calc::EnglishTable
#endif

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const calc::LanguageTable& texts = CALCULATOR_TABLE();
    win32ui::Win32Platform platform{std::string(texts.buildName), win32ui::PicturesAndDrawing()};
    forms::Runtime runtime(platform);
    calculator::RegisterCalculatorWindows(runtime, texts);
    runtime.startUp(forms::FormId::TV);
    return platform.run();
}
