#include "calculatorapp.h"

#include "compasswindow.h"
#include "failurereporter.h"
#include "forms.h"
#include "lang/language.h"
#include "mainwindow.h"
#include "twips.h"

#include <QApplication>

namespace calcui {

void RegisterCalculatorWindows(Forms& forms) {
    forms.setFactory(FormId::TV, [](Forms& f) { return new MainWindow(f); });
    forms.setFactory(FormId::LIN1, [](Forms& f) { return new CompassWindow(f); });
}

int RunCalculator(int argc, char** argv, const calc::LanguageTable& texts) {
    QApplication app(argc, argv);
    const QString name =
        QString::fromUtf8(texts.buildName.data(), static_cast<qsizetype>(texts.buildName.size()));
    QApplication::setApplicationName(name);
    QApplication::setApplicationVersion("1.00");
    QApplication::setQuitOnLastWindowClosed(false);
    installWindowFonts();

    MessageBoxReporter reporter(name);
    Environment environment;
    environment.texts = &texts;
    environment.programDirectory = QCoreApplication::applicationDirPath().toStdString();
    environment.reporter = &reporter;
    Forms forms(std::move(environment));
    RegisterCalculatorWindows(forms);
    forms.startUp();
    return QApplication::exec();
}

} // namespace calcui
