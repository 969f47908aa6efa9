#pragma once

#include <QIcon>
#include <QImage>
#include <QList>

namespace calcui {

// The application icon shared by both builds and the launcher: a dish on its
// stand aimed at a satellite. One icon in three images, as Windows icons were
// made: 32 x 32 in 2 colours, 32 x 32 in 16 colours, 16 x 16 in 16 colours.
QList<QImage> ApplicationIconImages();
QIcon ApplicationIcon();

// The three images as a Windows .ico file.
QByteArray ApplicationIconFile();

} // namespace calcui
