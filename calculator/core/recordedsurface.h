#pragma once

#include "drawingsurface.h"

#include <optional>
#include <string>
#include <vector>

namespace calc {

// One figure of a drawing, with the drawing state it was drawn in.
// Coordinates are twips, pen widths pixels at 96 dpi.
struct DrawingStep {
    enum class Kind { Line, Circle, Arc, Point, Text };

    Kind kind = Kind::Line;
    float x = 0; // a line's first end, a figure's centre, a text's top-left corner
    float y = 0;
    float x2 = 0; // a line's second end
    float y2 = 0;
    float radius = 0;
    // An arc: counterclockwise on the screen from `start` to `end`, radians
    // from 3 o'clock; `sweep` the angle between, more than 0 and less than
    // 2 pi.
    float start = 0;
    float end = 0;
    double sweep = 0;
    // None: the window's own text colour, as no foreground colour was set.
    std::optional<Colour> colour;
    int penWidth = 1;
    bool filled = false; // a circle filled black
    std::string text;    // UTF-8
};

// A drawing surface that keeps the drawing state and the figures drawn since
// the last clear, for every front end alike: each draws one step at a time
// and can draw them all again, at another resolution. The drawing state
// (pen width, fill style, foreground colour) outlives a clear; the text
// position goes back to (0, 0). An arc whose start and end coincide marks
// nothing and is not kept.
class RecordedSurface : public DrawingSurface {
public:
    void clear() final;
    void setPenWidth(int pixels) final;
    void setFillStyle(FillStyle style) final;
    void setForeColour(Colour colour) final;
    void line(float x1, float y1, float x2, float y2, Colour colour) final;
    void circle(float x, float y, float radius) final;
    void arc(float x, float y, float radius, float start, float end) final;
    void point(float x, float y) final;
    void setTextPosition(float x, float y) final;
    void text(std::string_view text) final;

    // The figures since the last clear, in the order they were drawn.
    const std::vector<DrawingStep>& steps() const { return m_steps; }

protected:
    // Erases the drawing to the background.
    virtual void erase() = 0;
    // Draws one figure over what is drawn already.
    virtual void draw(const DrawingStep& step) = 0;
    // Erases and draws every figure since the last clear again, for a
    // surface whose resolution has changed.
    void redraw();

private:
    DrawingStep step(DrawingStep::Kind kind, float x, float y) const;
    void add(DrawingStep step);

    std::vector<DrawingStep> m_steps;
    std::optional<Colour> m_foreground;
    int m_penWidth = 1;
    FillStyle m_fillStyle = FillStyle::Transparent;
    float m_textX = 0;
    float m_textY = 0;
};

// A figure's centre, in pixels, moved onto the pixel grid: the middle of a
// pixel for a figure an odd number of pixels across, a pixel corner for an
// even one, so that a dot comes out the same on every side.
double OnPixelGrid(double centre, int extent);

} // namespace calc
