#include "launcherwindow.h"
#include "widgets/application.h"
#include "widgets/failurereporter.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    calcui::SetUpApplication(QStringLiteral("START"));

    calcui::MessageBoxReporter reporter("START");
    launcher::LauncherWindow window(QCoreApplication::applicationDirPath(), reporter,
                                    [] { QCoreApplication::exit(0); });
    window.show();
    return QApplication::exec();
}
