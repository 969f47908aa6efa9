#include "application.h"

#include "appicon.h"
#include "twips.h"

#include <QApplication>

namespace calcui {

void SetUpApplication(const QString& name) {
    QApplication::setApplicationName(name);
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setWindowIcon(ApplicationIcon());
    installWindowFonts();
}

} // namespace calcui
