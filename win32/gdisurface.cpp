#include "gdisurface.h"

#include "forms/geometry.h"
#include "text.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace win32ui {

namespace {

// The diagram reaches some 5400 twips to the right and 3700 down, labels
// included: the bitmap holds at least that much, so that enlarging the window
// shows all of it.
constexpr int kDiagramWidthTwips = 5400;
constexpr int kDiagramHeightTwips = 3700;

COLORREF ToColorRef(calc::Colour colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

// A GDI object selected into a DC for one drawing, deselected and freed after.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object, bool owned = true)
        : m_dc(dc), m_object(object), m_old(SelectObject(dc, object)), m_owned(owned) {}
    ~Selected() {
        SelectObject(m_dc, m_old);
        if (m_owned) {
            DeleteObject(m_object);
        }
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_object;
    HGDIOBJ m_old;
    bool m_owned;
};

} // namespace

GdiSurface::GdiSurface(HWND window, HFONT font, int width, int height, int dpi)
    : m_window(window), m_font(font), m_dpi(dpi) {
    makeBitmap(width, height);
    clear();
}

GdiSurface::~GdiSurface() {
    freeBitmap();
}

void GdiSurface::makeBitmap(int width, int height) {
    m_width = std::max(width, pixels(kDiagramWidthTwips));
    m_height = std::max(height, pixels(kDiagramHeightTwips));
    HDC screen = GetDC(m_window);
    m_dc = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = m_width;
    info.bmiHeader.biHeight = -m_height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(m_window, screen);
    m_oldBitmap = SelectObject(m_dc, m_bitmap);
}

void GdiSurface::freeBitmap() {
    SelectObject(m_dc, m_oldBitmap);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
}

void GdiSurface::setResolution(int dpi, HFONT font, int width, int height) {
    freeBitmap();
    m_dpi = dpi;
    m_font = font;
    makeBitmap(width, height);
    fill();
    // The first step is the last clear's, which sets the drawing state.
    for (const auto& step : m_steps) {
        step();
    }
    changed();
}

int GdiSurface::pixels(double twips) const {
    return forms::TwipsToPixels(twips, m_dpi);
}

void GdiSurface::record(std::function<void()> step) {
    step();
    m_steps.push_back(std::move(step));
    changed();
}

void GdiSurface::paint(HDC dc) const {
    BitBlt(dc, 0, 0, m_width, m_height, m_dc, 0, 0, SRCCOPY);
}

COLORREF GdiSurface::pixel(int x, int y) const {
    return GetPixel(m_dc, x, y);
}

COLORREF GdiSurface::foreground() const {
    return m_hasForeground ? m_foreground : GetSysColor(COLOR_BTNTEXT);
}

void GdiSurface::changed() {
    if (m_window) {
        InvalidateRect(m_window, nullptr, FALSE);
    }
}

void GdiSurface::fill() {
    const RECT all{0, 0, m_width, m_height};
    FillRect(m_dc, &all, GetSysColorBrush(COLOR_BTNFACE));
}

// The drawing state (pen, fill, colour) outlives a clear, as it does on
// every build: it is the first step of the new drawing.
void GdiSurface::clear() {
    m_steps.clear();
    fill();
    const int penWidth = m_penWidth;
    const calc::FillStyle fillStyle = m_fillStyle;
    const bool hasForeground = m_hasForeground;
    const COLORREF foreground = m_foreground;
    record([this, penWidth, fillStyle, hasForeground, foreground] {
        m_penWidth = penWidth;
        m_fillStyle = fillStyle;
        m_hasForeground = hasForeground;
        m_foreground = foreground;
        m_textX = m_textY = 0;
    });
}

void GdiSurface::setPenWidth(int pixels) {
    record([this, pixels] { m_penWidth = pixels; });
}

void GdiSurface::setFillStyle(calc::FillStyle style) {
    record([this, style] { m_fillStyle = style; });
}

void GdiSurface::setForeColour(calc::Colour colour) {
    record([this, colour] {
        m_hasForeground = true;
        m_foreground = ToColorRef(colour);
    });
}

// A solid pen with round ends: a line covers both its end points.
void GdiSurface::line(float x1, float y1, float x2, float y2, calc::Colour colour) {
    record([=, this] {
        const COLORREF c = ToColorRef(colour);
        const int width = penPixels();
        const int ax = pixels(x1), ay = pixels(y1), bx = pixels(x2), by = pixels(y2);
        {
            const Selected pen(m_dc, CreatePen(PS_SOLID, width, c));
            MoveToEx(m_dc, ax, ay, nullptr);
            LineTo(m_dc, bx, by);
        }
        if (width <= 1) {
            // LineTo leaves out the last pixel.
            SetPixel(m_dc, bx, by, c);
        }
    });
}

void GdiSurface::circle(float x, float y, float radius) {
    record([=, this] {
        const int cx = pixels(x), cy = pixels(y), r = pixels(radius);
        const Selected pen(m_dc, CreatePen(PS_SOLID, penPixels(), foreground()));
        const bool filled = m_fillStyle == calc::FillStyle::Solid;
        const Selected brush(
            m_dc, filled ? CreateSolidBrush(RGB(0, 0, 0)) : GetStockObject(NULL_BRUSH), filled);
        Ellipse(m_dc, cx - r, cy - r, cx + r + 1, cy + r + 1);
    });
}

// Counterclockwise from `start` to `end`, radians from 3 o'clock.
void GdiSurface::arc(float x, float y, float radius, float start, float end) {
    if (start == end) {
        // Start and end coincide only for an azimuth of 0: nothing to mark.
        return;
    }
    record([=, this] {
        const int cx = pixels(x), cy = pixels(y), r = pixels(radius);
        const auto along = [&](float angle) {
            return POINT{cx + static_cast<LONG>(std::lround(r * std::cos(angle))),
                         cy - static_cast<LONG>(std::lround(r * std::sin(angle)))};
        };
        const POINT from = along(start);
        const POINT to = along(end);
        if (from.x == to.x && from.y == to.y &&
            std::remainder(end - start, 2 * std::numbers::pi) > 0) {
            // GDI draws a whole circle between equal ends; a sweep this
            // short (less than half a turn, so less than a pixel) shows
            // nothing.
            return;
        }
        const Selected pen(m_dc, CreatePen(PS_SOLID, penPixels(), foreground()));
        SetArcDirection(m_dc, AD_COUNTERCLOCKWISE);
        Arc(m_dc, cx - r, cy - r, cx + r + 1, cy + r + 1, from.x, from.y, to.x, to.y);
    });
}

// A round dot as wide as the pen.
void GdiSurface::point(float x, float y) {
    record([=, this] {
        const int cx = pixels(x), cy = pixels(y);
        const COLORREF c = foreground();
        const int width = penPixels();
        if (width <= 1) {
            SetPixel(m_dc, cx, cy, c);
        } else {
            const int left = cx - width / 2;
            const int top = cy - width / 2;
            const Selected pen(m_dc, CreatePen(PS_SOLID, 1, c));
            const Selected brush(m_dc, CreateSolidBrush(c));
            Ellipse(m_dc, left, top, left + width, top + width);
        }
    });
}

void GdiSurface::setTextPosition(float x, float y) {
    record([=, this] {
        m_textX = x;
        m_textY = y;
    });
}

// Text in the window's font, over what lies there.
void GdiSurface::text(std::string_view text) {
    record([this, wide = Wide(text)] {
        const Selected font(m_dc, m_font ? m_font : GetStockObject(DEFAULT_GUI_FONT), false);
        SetBkMode(m_dc, TRANSPARENT);
        SetTextColor(m_dc, foreground());
        TextOutW(m_dc, pixels(m_textX), pixels(m_textY), wide.c_str(),
                 static_cast<int>(wide.size()));
    });
}

int GdiSurface::penPixels() const {
    return std::max(1, forms::ScaledFromReference(m_penWidth, m_dpi));
}

} // namespace win32ui
