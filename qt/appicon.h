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

// The three images as a Windows .ico file.
QByteArray ApplicationIconFile();

// The same design for the desktop's icon theme: full colour with smooth
// edges, on a rounded plate whose surround is transparent. Paints into a
// square of `size` units at the painter's origin (any paint device, so also
// a scalable one), or gives the image of `size` x `size` pixels.
void PaintThemeIcon(QPainter& painter, qreal size);
QImage ThemeIconImage(int size);

} // namespace qtui
