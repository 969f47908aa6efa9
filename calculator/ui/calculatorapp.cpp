#include "calculatorapp.h"

#include "appicon.h"
#include "compasswindow.h"
#include "controls.h"
#include "failurereporter.h"
#include "forms.h"
#include "illustrationswindow.h"
#include "lang/language.h"
#include "mainwindow.h"
#include "twips.h"

#include "dishrelease.h"

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

Environment environmentFor(const calc::LanguageTable& texts, const std::string& programDirectory,
                           FailureReporter& reporter) {
    Environment environment;
    environment.texts = &texts;
    environment.programDirectory = programDirectory;
    environment.reporter = &reporter;
    return environment;
}

} // namespace

void SetUpCalculatorApplication(const calc::LanguageTable& texts) {
    QApplication::setApplicationName(nameOf(texts));
    QApplication::setApplicationVersion(dish::Version);
    QApplication::setDesktopFileName(dish::DesktopFileName);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(ApplicationIcon());
    installWindowFonts();
}

Calculator::Calculator(const calc::LanguageTable& texts, const std::string& programDirectory)
    : m_reporter(nameOf(texts)), m_forms(environmentFor(texts, programDirectory, m_reporter)) {
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
