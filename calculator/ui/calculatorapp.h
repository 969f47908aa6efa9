#pragma once

#include "forms.h"
#include "widgets/failurereporter.h"

#include <string>

namespace calc {
struct LanguageTable;
}

namespace calcui {

// Tells the runtime how to make each of the calculator's windows.
void RegisterCalculatorWindows(Forms& forms);

// Application-wide settings of a build: its name and version, its icon, the
// fonts every window uses. Needs the QApplication to exist.
void SetUpCalculatorApplication(const calc::LanguageTable& texts);

// One running calculator: its windows, failures shown in message boxes, the
// installation's files looked for in `programDirectory`.
class Calculator {
public:
    Calculator(const calc::LanguageTable& texts, const std::string& programDirectory);
    Calculator(const Calculator&) = delete;
    Calculator& operator=(const Calculator&) = delete;

    Forms& forms() { return m_forms; }

private:
    MessageBoxReporter m_reporter;
    Forms m_forms;
};

// The whole program for one language: application set-up, start-up with the
// main window, the event loop.
int RunCalculator(int argc, char** argv, const calc::LanguageTable& texts);

} // namespace calcui
