#include "geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace forms {

double Pixels(double twips, double dpi) {
    return twips * dpi / kTwipsPerInch;
}

int TwipsToPixels(double twips, double dpi) {
    return static_cast<int>(std::lround(Pixels(twips, dpi)));
}

double PointsToPixels(double points, double dpi) {
    return points * dpi / kPointsPerInch;
}

int ScaledFromReference(double pixels, double dpi) {
    return static_cast<int>(std::lround(pixels * dpi / kReferenceDpi));
}

PixelLine LineEndPixels(const Control& line, double dpi) {
    const TwipRect& ends = line.place;
    return {{TwipsToPixels(ends.left, dpi), TwipsToPixels(ends.top, dpi)},
            {TwipsToPixels(ends.width, dpi), TwipsToPixels(ends.height, dpi)}};
}

PixelRect ControlPixels(const Control& control, double dpi) {
    if (control.kind == ControlKind::Line) {
        const auto [from, to] = LineEndPixels(control, dpi);
        return {std::min(from.x, to.x), std::min(from.y, to.y), std::abs(to.x - from.x) + 1,
                std::abs(to.y - from.y) + 1};
    }
    const TwipRect& p = control.place;
    return {TwipsToPixels(p.left, dpi), TwipsToPixels(p.top, dpi), TwipsToPixels(p.width, dpi),
            TwipsToPixels(p.height, dpi)};
}

} // namespace forms
