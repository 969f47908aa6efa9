#include "twips.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace calcui {

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

void installWindowFonts() {
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("MS Serif", "Liberation Serif");
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");
    QApplication::setFont(tableFont("MS Sans Serif", 8.25));
}

QFont tableFont(const char* family, double pointSize, bool bold) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferMatch);
    return font;
}

} // namespace calcui
