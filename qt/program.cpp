#include "program.h"

#include "application.h"
#include "controls.h"
#include "forms/calculatorforms.h"
#include "forms/sdrevik.h"
#include "lang/language.h"
#include "pictureloader.h"

#include <QApplication>

namespace qtui {

void SetUpCalculatorApplication(const calc::LanguageTable& texts) {
    SetUpApplication(tableText(texts.buildName));
    LimitPictureMemory();
}

QtProgram::QtProgram(const QString& title, const std::string& programDirectory)
    : m_reporter(title),
      m_platform(m_reporter, programDirectory, [] { QCoreApplication::exit(0); }),
      m_runtime(m_platform) {}

QtProgram::~QtProgram() {
    // Windows the runtime let go of are deleted on the event loop's next
    // pass; there is none after this.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Calculator::Calculator(const calc::LanguageTable& texts, const std::string& programDirectory)
    : QtProgram(tableText(texts.buildName), programDirectory) {
    calculator::RegisterCalculatorWindows(forms(), texts);
}

int RunCalculator(int argc, char** argv, const calc::LanguageTable& texts) {
    QApplication app(argc, argv);
    SetUpCalculatorApplication(texts);
    Calculator calculator(texts, QCoreApplication::applicationDirPath().toStdString());
    calculator.forms().startUp(forms::FormId::TV);
    return QApplication::exec();
}

int RunLauncher(int argc, char** argv) {
    QApplication app(argc, argv);
    SetUpApplication(QStringLiteral("START"));
    QtProgram program(QStringLiteral("START"),
                      QCoreApplication::applicationDirPath().toStdString());
    launcher::RegisterLauncherWindow(program.forms());
    program.forms().startUp(forms::FormId::SDREVIK);
    return QApplication::exec();
}

} // namespace qtui
