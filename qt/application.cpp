#include "application.h"

#include "appicon.h"
#include "twips.h"

#include "dishrelease.h"

#include <QApplication>

namespace qtui {

void SetUpApplication(const QString& name) {
    QApplication::setApplicationName(name);
    QApplication::setApplicationVersion(dish::Version);
    QApplication::setDesktopFileName(dish::DesktopFileName);
    QApplication::setWindowIcon(ApplicationIcon());
    installWindowFonts();
    // Closing a window unloads it; each program says itself which windows
    // end it when closed.
    QApplication::setQuitOnLastWindowClosed(false);
}

} // namespace qtui
