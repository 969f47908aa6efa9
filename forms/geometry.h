#pragma once

#include "forms/controltable.h"

namespace forms {

// The tables place everything in twips, 1440 to the inch, and size fonts in
// points, 72 to the inch. A display shows them at its resolution in dots
// (pixels) per inch; at the reference resolution, 96, a pixel is 15 twips.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kPointsPerInch = 72;
inline constexpr int kReferenceDpi = 96;

// Twips as pixels at `dpi`, unrounded.
double Pixels(double twips, double dpi);
// Twips as whole pixels at `dpi`, rounded to the nearest.
int TwipsToPixels(double twips, double dpi);
// A font's size in points as pixels at `dpi`, unrounded.
double PointsToPixels(double points, double dpi);
// A length in pixels at the reference resolution as whole pixels at `dpi`:
// a pen's width, a picture's size, a caption's letter places.
int ScaledFromReference(double pixels, double dpi);

struct PixelPoint {
    int x = 0;
    int y = 0;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A control's place in whole pixels at `dpi`, relative to what contains it;
// a line's is the box that covers both of its end pixels.
PixelRect ControlPixels(const Control& control, double dpi);

// A line's two end pixels at `dpi`, in the order the table gives them.
struct PixelLine {
    PixelPoint from;
    PixelPoint to;
};
PixelLine LineEndPixels(const Control& line, double dpi);

} // namespace forms
