#pragma once

#include "colour.h"

#include <string_view>

namespace calc {

enum class FillStyle {
    Transparent, // circles are outlines only
    Solid,       // circles are filled with the fill colour, black
};

// What the compass drawing needs from the window it draws on. Coordinates are
// twips from the top-left corner of the client area, x to the right and y
// downwards; pen widths are pixels. Whatever is drawn replaces what lies under
// it. The surface keeps its drawing state (foreground colour, pen width, fill
// style, text position) from one call to the next; the fill colour is always
// black.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Erases the client area to the background and puts the text position at
    // (0, 0).
    virtual void clear() = 0;
    virtual void setPenWidth(int pixels) = 0;
    virtual void setFillStyle(FillStyle style) = 0;
    virtual void setForeColour(Colour colour) = 0;

    // A solid line in `colour` with the current pen width.
    virtual void line(float x1, float y1, float x2, float y2, Colour colour) = 0;
    // Outlined in the foreground colour with the current pen width; filled
    // black when the fill style is solid.
    virtual void circle(float x, float y, float radius) = 0;
    // An open arc in the foreground colour, drawn counterclockwise from `start`
    // to `end`. Angles are radians from 0 to 2 pi, counterclockwise on the
    // screen from 3 o'clock.
    virtual void arc(float x, float y, float radius, float start, float end) = 0;
    // A round dot in the foreground colour whose diameter is the pen width.
    virtual void point(float x, float y) = 0;

    virtual void setTextPosition(float x, float y) = 0;
    // UTF-8 text with its top-left corner at the text position, in the
    // foreground colour, drawn over what lies there.
    virtual void text(std::string_view text) = 0;
};

} // namespace calc
