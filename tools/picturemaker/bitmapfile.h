#pragma once

#include <QByteArray>
#include <QImage>

// At most 256 colours for `image`: the ones it uses most, every pixel then
// given the nearest of them without dithering, so that runs of one colour
// stay runs. A picture of 256 colours or fewer keeps its pixels exactly.
QImage WithPalette(const QImage& image);

// A Windows bitmap file of `image` (QImage::Format_Indexed8) with 8 bits a
// pixel, its rows run-length encoded: a run of one colour takes two bytes, so
// drawings with wide plain areas come out small. Every reader of Windows
// bitmaps (GDI, Qt, browsers) decodes it.
QByteArray Rle8BitmapFile(const QImage& image);
