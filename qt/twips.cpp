#include "twips.h"

#include "forms/faces.h"
#include "forms/geometry.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <string>

namespace qtui {

namespace {

QString qtString(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

double screenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 0;
    return dpi > 0 ? dpi : forms::kReferenceDpi;
}

double pixelsPerTwip() {
    return forms::Pixels(1, screenDpi());
}

int twipsToPixels(int twips) {
    return forms::TwipsToPixels(twips, screenDpi());
}

QRect controlPixels(const forms::Control& control) {
    const forms::PixelRect p = forms::ControlPixels(control, screenDpi());
    return {p.left, p.top, p.width, p.height};
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
    const forms::Font& font = forms::kDefaultFont;
    QApplication::setFont(tableFont(std::string(font.name).c_str(), font.points, font.bold));
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
