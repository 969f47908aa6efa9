#include "application.h"

#include "appicon.h"
#include "twips.h"

#include "dishrelease.h"

#include <QApplication>

namespace calcui {

void SetUpApplication(const QString& name) {
    QApplication::setApplicationName(name);
    QApplication::setApplicationVersion(dish::Version);
    QApplication::setDesktopFileName(dish::DesktopFileName);
    QApplication::setWindowIcon(ApplicationIcon());
    installWindowFonts();
}

} // namespace calcui
