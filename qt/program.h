#pragma once

#include "failurereporter.h"
#include "forms/runtime.h"
#include "qtplatform.h"

#include <QString>

#include <string>

namespace calc {
struct LanguageTable;
}

namespace qtui {

// Application-wide settings of a build: its name and version, its icon, the
// fonts every window uses. Needs the QApplication to exist.
void SetUpCalculatorApplication(const calc::LanguageTable& texts);

// One running program on Qt: its windows' runtime, failures shown in message
// boxes titled `title`, the installation's files looked for in
// `programDirectory`.
class QtProgram {
public:
    QtProgram(const QString& title, const std::string& programDirectory);
    ~QtProgram();
    QtProgram(const QtProgram&) = delete;
    QtProgram& operator=(const QtProgram&) = delete;

    forms::Runtime& forms() { return m_runtime; }

private:
    MessageBoxReporter m_reporter;
    QtPlatform m_platform;
    forms::Runtime m_runtime;
};

// One running calculator: the program with the calculator's windows.
class Calculator : public QtProgram {
public:
    Calculator(const calc::LanguageTable& texts, const std::string& programDirectory);
};

// The whole program for one language: application set-up, start-up with the
// main window, the event loop.
int RunCalculator(int argc, char** argv, const calc::LanguageTable& texts);

// The whole launcher: application set-up, its window, the event loop.
int RunLauncher(int argc, char** argv);

} // namespace qtui
