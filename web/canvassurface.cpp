#include "canvassurface.h"

#include "fonts.h"
#include "forms/geometry.h"
#include "raster.h"

#include <emscripten.h>

#include <cmath>
#include <numbers>
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

void CanvasSurface::clear() {
    dish_clear(m_window);
    m_textX = 0;
    m_textY = 0;
}

void CanvasSurface::line(float x1, float y1, float x2, float y2, calc::Colour colour) {
    Fill(m_window, LineSpans(pixels(x1), pixels(y1), pixels(x2), pixels(y2), pen()), colour);
}

// Dots are small (an end dot is some 7 pixels across); drawn centred on the
// pixel grid with a whole radius, they come out round, the same on every side.
void CanvasSurface::circle(float x, float y, float radius) {
    const int r = forms::TwipsToPixels(radius, kCssDpi) * m_scale;
    const int extent = 2 * r + pen();
    const double cx = OnGrid(pixels(x), extent);
    const double cy = OnGrid(pixels(y), extent);
    if (m_fillStyle == calc::FillStyle::Solid) {
        Fill(m_window, DiscSpans(cx, cy, r), calc::Colour{0, 0, 0});
    }
    Fill(m_window, RingSpans(cx, cy, r, pen()), m_foreground);
}

void CanvasSurface::arc(float x, float y, float radius, float start, float end) {
    double sweep = static_cast<double>(end) - start;
    if (sweep < 0) {
        sweep += 2 * std::numbers::pi;
    }
    if (sweep == 0) {
        // Start and end coincide only for an azimuth of 0: nothing to mark.
        return;
    }
    Fill(m_window, RingSpans(pixels(x), pixels(y), pixels(radius), pen(), Sweep{start, sweep}),
         m_foreground);
}

void CanvasSurface::point(float x, float y) {
    Fill(m_window, DiscSpans(OnGrid(pixels(x), pen()), OnGrid(pixels(y), pen()), pen() / 2.0),
         m_foreground);
}

void CanvasSurface::setTextPosition(float x, float y) {
    m_textX = x;
    m_textY = y;
}

void CanvasSurface::text(std::string_view text) {
    // At a whole pixel of the display, in CSS pixels.
    dish_draw_text(m_window, std::round(pixels(m_textX)) / m_scale,
                   std::round(pixels(m_textY)) / m_scale, text.data(),
                   static_cast<int>(text.size()), m_foreground.red, m_foreground.green,
                   m_foreground.blue);
}

} // namespace webui
