#pragma once

#include "core/bitmapheader.h"

#include <QImage>
#include <QString>

namespace qtui {

// Pixel memory any single read may take, in megabytes: the largest picture
// the programs read at 32 bits a pixel, and half as much again to spare.
inline constexpr int kPictureMemoryLimitMb =
    static_cast<int>(calc::kMaxPicturePixelBytes * 3 / 2 / (1024 * 1024));

// Sets the limit above for every picture read in the process; the
// application does so once as it is set up.
void LimitPictureMemory();

// Reads a picture file whole. Throws calc::FileNotFound when there is no such
// file, and calc::FileFailure ("Not a readable picture: <path> (<reason>)")
// when it is not a picture that can be read: an empty file, an unknown or
// damaged format, a bitmap header that no bitmap can have (no width, no height,
// planes other than 1, an unknown bit depth), a header claiming a size beyond
// the limits above, or a bitmap shorter than its header says. The reason names
// which.
QImage ReadPicture(const QString& path);

} // namespace qtui
