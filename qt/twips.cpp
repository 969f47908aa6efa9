#include "twips.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace qtui {

double pixelsPerTwip() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return (dpi > 0 ? dpi : 96.0) / 1440.0;
}

int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips * pixelsPerTwip()));
}

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

QSize twipsSize(int width, int height) {
    return QSize(twipsToPixels(width), twipsToPixels(height));
}

QPoint twipsPoint(int x, int y) {
    return QPoint(twipsToPixels(x), twipsToPixels(y));
}

namespace {

// The faces the windows name, and the installed faces with Cyrillic that
// stand in for them where the Windows faces are not installed. The captions
// place their words with blanks, and Liberation Sans has a narrower blank than
// MS Sans Serif: its blanks are widened by 9 % of their width, which puts
// every caption's words inside their labels and clear of the lines and boxes
// around them. Liberation Serif has Times New Roman's metrics.
struct Face {
    const char* windows;
    const char* standIn;
    double blankWidening;
};
constexpr Face kFaces[] = {
    {"MS Sans Serif", "Liberation Sans", 0.09},
    {"MS Serif", "Liberation Serif", 0},
    {"Times New Roman", "Liberation Serif", 0},
};

} // namespace

void installWindowFonts() {
    for (const Face& face : kFaces) {
        QFont::insertSubstitution(face.windows, face.standIn);
    }
    QApplication::setFont(tableFont("MS Sans Serif", 8.25));
}

QFont tableFont(const char* family, double pointSize, bool bold) {
    QString name = QString::fromLatin1(family);
#ifndef _WIN32
    // Naming the stand-in straight away spares the font database a failed
    // search for every control at start-up.
    for (const Face& face : kFaces) {
        if (name == QLatin1String(face.windows)) {
            name = QString::fromLatin1(face.standIn);
        }
    }
#endif
    QFont font(name);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

double blankWidening(const QFont& font) {
#ifdef _WIN32
    Q_UNUSED(font);
#else
    for (const Face& face : kFaces) {
        if (font.family() == QLatin1String(face.standIn)) {
            return face.blankWidening;
        }
    }
#endif
    return 0;
}

} // namespace qtui
