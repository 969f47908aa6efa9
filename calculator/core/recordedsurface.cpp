#include "recordedsurface.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace calc {

DrawingStep RecordedSurface::step(DrawingStep::Kind kind, float x, float y) const {
    DrawingStep made;
    made.kind = kind;
    made.x = x;
    made.y = y;
    made.colour = m_foreground;
    made.penWidth = m_penWidth;
    return made;
}

void RecordedSurface::add(DrawingStep step) {
    m_steps.push_back(std::move(step));
    draw(m_steps.back());
}

void RecordedSurface::clear() {
    m_steps.clear();
    m_textX = 0;
    m_textY = 0;
    erase();
}

void RecordedSurface::redraw() {
    erase();
    for (const DrawingStep& each : m_steps) {
        draw(each);
    }
}

void RecordedSurface::setPenWidth(int pixels) {
    m_penWidth = pixels;
}

void RecordedSurface::setFillStyle(FillStyle style) {
    m_fillStyle = style;
}

void RecordedSurface::setForeColour(Colour colour) {
    m_foreground = colour;
}

void RecordedSurface::line(float x1, float y1, float x2, float y2, Colour colour) {
    DrawingStep made = step(DrawingStep::Kind::Line, x1, y1);
    made.x2 = x2;
    made.y2 = y2;
    made.colour = colour;
    add(std::move(made));
}

void RecordedSurface::circle(float x, float y, float radius) {
    DrawingStep made = step(DrawingStep::Kind::Circle, x, y);
    made.radius = radius;
    made.filled = m_fillStyle == FillStyle::Solid;
    add(std::move(made));
}

void RecordedSurface::arc(float x, float y, float radius, float start, float end) {
    double sweep = static_cast<double>(end) - start;
    if (sweep < 0) {
        sweep += 2 * std::numbers::pi;
    }
    if (sweep == 0) {
        // Start and end coincide only for an azimuth of 0: nothing to mark.
        return;
    }
    DrawingStep made = step(DrawingStep::Kind::Arc, x, y);
    made.radius = radius;
    made.start = start;
    made.end = end;
    made.sweep = sweep;
    add(std::move(made));
}

void RecordedSurface::point(float x, float y) {
    add(step(DrawingStep::Kind::Point, x, y));
}

void RecordedSurface::setTextPosition(float x, float y) {
    m_textX = x;
    m_textY = y;
}

void RecordedSurface::text(std::string_view text) {
    DrawingStep made = step(DrawingStep::Kind::Text, m_textX, m_textY);
    made.text = text;
    add(std::move(made));
}

double OnPixelGrid(double centre, int extent) {
    return extent % 2 ? std::floor(centre) + 0.5 : std::round(centre);
}

} // namespace calc
