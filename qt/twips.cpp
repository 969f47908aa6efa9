#include "twips.h"

#include "forms/faces.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace qtui {

namespace {

QString qtString(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

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
    for (const forms::StandInFace& face : forms::kStandInFaces) {
        QFont::insertSubstitution(qtString(face.windows), qtString(face.standIn));
    }
    QApplication::setFont(tableFont("MS Sans Serif", 8.25));
}

QFont tableFont(const char* family, double pointSize, bool bold) {
    QString name = QString::fromLatin1(family);
#ifndef _WIN32
    // Naming the stand-in straight away spares the font database a failed
    // search for every control at start-up.
    if (const forms::StandInFace* face = forms::StandInFor(family)) {
        name = qtString(face->standIn);
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
    for (const forms::StandInFace& face : forms::kStandInFaces) {
        if (font.family() == qtString(face.standIn)) {
            return face.blankWidening;
        }
    }
#endif
    return 0;
}

} // namespace qtui
