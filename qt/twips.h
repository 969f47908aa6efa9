#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace forms {
struct Control;
}

namespace qtui {

// Window geometry is given in twips and turned into pixels at the screen's
// logical resolution.
double screenDpi();
double pixelsPerTwip();
int twipsToPixels(int twips);
QRect twipsRect(int left, int top, int width, int height);
QSize twipsSize(int width, int height);
QPoint twipsPoint(int x, int y);
// A control's place in pixels (a line's: the box covering its end pixels).
QRect controlPixels(const forms::Control& control);

// Makes the Windows faces that the windows name ("MS Sans Serif", "MS Serif",
// "Times New Roman") resolve to installed fonts with Cyrillic, and sets the
// application's default font to the 8.25 pt sans face every window uses.
void installWindowFonts();

// A font as the control tables give it: face, point size, bold.
QFont tableFont(const char* family, double pointSize, bool bold = false);

// How much wider, as a share of its own blank, the blank of the face that
// `font`'s face stands in for is; 0 for a face that stands in for none.
double blankWidening(const QFont& font);

} // namespace qtui
