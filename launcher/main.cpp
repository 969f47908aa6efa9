#include "launcherwindow.h"
#include "ui/appicon.h"
#include "ui/failurereporter.h"
#include "ui/twips.h"

#include "dishrelease.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("START");
    QApplication::setApplicationVersion(dish::Version);
    QApplication::setDesktopFileName(dish::DesktopFileName);
    QApplication::setWindowIcon(calcui::ApplicationIcon());
    calcui::installWindowFonts();

    calcui::MessageBoxReporter reporter("START");
    launcher::LauncherWindow window(QCoreApplication::applicationDirPath(), reporter,
                                    [] { QCoreApplication::exit(0); });
    window.show();
    return QApplication::exec();
}
