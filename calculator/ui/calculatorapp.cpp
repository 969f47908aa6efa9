#include "calculatorapp.h"

#include "compasswindow.h"
#include "forms.h"
#include "illustrationswindow.h"
#include "lang/language.h"
#include "mainwindow.h"
#include "pictureloader.h"
#include "widgets/application.h"
#include "widgets/controls.h"
#include "widgets/failurereporter.h"

#include <QApplication>

namespace calcui {

void RegisterCalculatorWindows(Forms& forms) {
    forms.setFactory(FormId::TV, [](Forms& f) { return new MainWindow(f); });
    forms.setFactory(FormId::LIN1, [](Forms& f) { return new CompassWindow(f); });
    forms.setFactory(FormId::Illustrations, [](Forms& f) { return new IllustrationsWindow(f); });
}

namespace {

QString nameOf(const calc::LanguageTable& texts) {
    return tableText(texts.buildName);
}

} // namespace

void SetUpCalculatorApplication(const calc::LanguageTable& texts) {
    SetUpApplication(nameOf(texts));
    // Closing a window unloads it; only EXIT or closing the main window ends
    // the program.
    QApplication::setQuitOnLastWindowClosed(false);
    LimitPictureMemory();
}

Calculator::Calculator(const calc::LanguageTable& texts, const std::string& programDirectory)
    : m_reporter(nameOf(texts)), m_forms({.texts = &texts,
                                          .programDirectory = programDirectory,
                                          .reporter = &m_reporter,
                                          .endProgram = [] { QCoreApplication::exit(0); }}) {
    RegisterCalculatorWindows(m_forms);
}

int RunCalculator(int argc, char** argv, const calc::LanguageTable& texts) {
    QApplication app(argc, argv);
    SetUpCalculatorApplication(texts);
    Calculator calculator(texts, QCoreApplication::applicationDirPath().toStdString());
    calculator.forms().startUp();
    return QApplication::exec();
}

} // namespace calcui
