#pragma once

namespace calc {
struct LanguageTable;
}

namespace calcui {

class Forms;

// Tells the runtime how to make each of the calculator's windows.
void RegisterCalculatorWindows(Forms& forms);

// The whole program for one language: application set-up, start-up with the
// main window, the event loop.
int RunCalculator(int argc, char** argv, const calc::LanguageTable& texts);

} // namespace calcui
