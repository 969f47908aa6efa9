#include "ui/appicon.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>

// Writes the application icon for installation: PNG files for the desktop's
// icon theme and an .ico file for Windows. Usage: iconmaker <output directory>
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: iconmaker <output directory>\n");
        return 2;
    }
    const QString directory = QString::fromLocal8Bit(argv[1]);
    const QList<QImage> images = calcui::ApplicationIconImages();
    bool ok = images[1].save(directory + "/dish-calculator-32.png", "PNG") &&
              images[2].save(directory + "/dish-calculator-16.png", "PNG");
    QFile ico(directory + "/dish-calculator.ico");
    ok = ok && ico.open(QIODevice::WriteOnly) &&
         ico.write(calcui::ApplicationIconFile()) == calcui::ApplicationIconFile().size();
    if (!ok) {
        std::fprintf(stderr, "iconmaker: cannot write the icon files into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
