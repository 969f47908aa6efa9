#include "canvassurface.h"

#include "fonts.h"
#include "forms/geometry.h"
#include "raster.h"

#include <emscripten.h>

#include <cmath>
#include <vector>

// The page's script, as JavaScript is written.
// clang-format off
EM_JS(void, dish_clear, (int id), { Dish.clearSurface(id); });
EM_JS(int, dish_surface_scale, (int id), { return Dish.surfaceScale(id); });
EM_JS(void, dish_fill_spans, (int id, const int* spans, int count, int red, int green, int blue), {
    Dish.fillSpans(id, HEAP32.subarray(spans >> 2, (spans >> 2) + 3 * count), red, green, blue);
});
EM_JS(void, dish_draw_text,
      (int id, double x, double y, const char* text, int length, int red, int green, int blue),
      { Dish.drawText(id, x, y, UTF8ToString(text, length), red, green, blue); });
// clang-format on

namespace webui {

namespace {

void Fill(int window, const std::vector<Span>& spans, calc::Colour colour) {
    if (spans.empty()) {
        return;
    }
    std::vector<int> flat;
    flat.reserve(3 * spans.size());
    for (const Span& span : spans) {
        flat.insert(flat.end(), {span.x, span.y, span.length});
    }
    dish_fill_spans(window, flat.data(), static_cast<int>(spans.size()), colour.red, colour.green,
                    colour.blue);
}

} // namespace

CanvasSurface::CanvasSurface(int window) : m_window(window), m_scale(dish_surface_scale(window)) {
    clear();
}

double CanvasSurface::pixels(float twips) const {
    return forms::Pixels(twips, kCssDpi) * m_scale;
}

void CanvasSurface::erase() {
    dish_clear(m_window);
}

void CanvasSurface::draw(const calc::DrawingStep& step) {
    const calc::Colour colour = step.colour.value_or(calc::Colour{0, 0, 0});
    const double x = pixels(step.x);
    const double y = pixels(step.y);
    const int pen = this->pen(step);
    switch (step.kind) {
    case calc::DrawingStep::Kind::Line:
        Fill(m_window, LineSpans(x, y, pixels(step.x2), pixels(step.y2), pen), colour);
        break;
    case calc::DrawingStep::Kind::Circle: {
        // Dots are small (an end dot is some 7 pixels across); drawn centred
        // on the pixel grid with a whole radius, they come out round, the
        // same on every side.
        const int r = forms::TwipsToPixels(step.radius, kCssDpi) * m_scale;
        const int extent = 2 * r + pen;
        const double cx = calc::OnPixelGrid(x, extent);
        const double cy = calc::OnPixelGrid(y, extent);
        if (step.filled) {
            Fill(m_window, DiscSpans(cx, cy, r), calc::Colour{0, 0, 0});
        }
        Fill(m_window, RingSpans(cx, cy, r, pen), colour);
        break;
    }
    case calc::DrawingStep::Kind::Arc:
        Fill(m_window, RingSpans(x, y, pixels(step.radius), pen, Sweep{step.start, step.sweep}),
             colour);
        break;
    case calc::DrawingStep::Kind::Point:
        Fill(m_window, DiscSpans(calc::OnPixelGrid(x, pen), calc::OnPixelGrid(y, pen), pen / 2.0),
             colour);
        break;
    case calc::DrawingStep::Kind::Text:
        // At a whole pixel of the display, in CSS pixels.
        dish_draw_text(m_window, std::round(x) / m_scale, std::round(y) / m_scale, step.text.data(),
                       static_cast<int>(step.text.size()), colour.red, colour.green, colour.blue);
        break;
    }
}

} // namespace webui
