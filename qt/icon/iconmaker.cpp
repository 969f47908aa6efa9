#include "qt/appicon.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

namespace {

// The sizes the desktop's icon theme has a PNG image of.
constexpr int themeSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool writeSvg(const QString& path) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setTitle("Dish Calculator");
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    qtui::PaintThemeIcon(painter, 256);
    return painter.end();
}

bool writeIco(const QString& path) {
    const QByteArray bytes = qtui::ApplicationIconFile();
    QFile ico(path);
    return ico.open(QIODevice::WriteOnly) && ico.write(bytes) == bytes.size();
}

} // namespace

// Writes the application icon for installation: a PNG image per size and a
// scalable SVG for the desktop's icon theme, and the window icon as an .ico
// file for Windows. Usage: iconmaker <output directory>
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: iconmaker <output directory>\n");
        return 2;
    }
    const QString directory = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    for (const int size : themeSizes) {
        ok = ok && qtui::ThemeIconImage(size).save(
                       directory + QString("/dish-calculator-%1.png").arg(size), "PNG");
    }
    ok = ok && writeSvg(directory + "/dish-calculator.svg") &&
         writeIco(directory + "/dish-calculator.ico");
    if (!ok) {
        std::fprintf(stderr, "iconmaker: cannot write the icon files into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
