#pragma once

#include <QIcon>
#include <QImage>
#include <QList>

class QPainter;

namespace qtui {

// The application icon shared by both builds and the launcher: a dish on its
// stand aimed at a satellite. One icon in three images, as Windows icons were
// made: 32 x 32 in 2 colours, 32 x 32 in 16 colours, 16 x 16 in 16 colours.
QList<QImage> ApplicationIconImages();
QIcon ApplicationIcon();

// How one image of the design is drawn: the window icon's two-colour and
// 16-colour images as Windows drew them, hard-edged on a full square, or the
// icon theme's image, smooth and in full colour on a rounded plate with a
// transparent surround.
enum class IconStyle { TwoColour, SixteenColour, Theme };

// The design, drawn on a 32-unit grid into a painter already scaled to it.
// The icon maker draws the installed icon files with it too.
void PaintIconDesign(QPainter& painter, IconStyle style);

} // namespace qtui
