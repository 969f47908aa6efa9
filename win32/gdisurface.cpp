#include "gdisurface.h"

#include "text.h"

#include <algorithm>
#include <cmath>

namespace win32ui {

namespace {

// The diagram reaches some 5400 twips to the right and 3700 down, labels
// included: the bitmap holds at least that much, so that enlarging the window
// shows all of it.
constexpr int kDiagramWidthTwips = 5400;
constexpr int kDiagramHeightTwips = 3700;

double PixelsPerTwip() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
    if (screen) {
        ReleaseDC(nullptr, screen);
    }
    return (dpi > 0 ? dpi : 96) / 1440.0;
}

int Pixels(double twips) {
    return static_cast<int>(std::lround(twips * PixelsPerTwip()));
}

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

GdiSurface::GdiSurface(HWND window, HFONT font, int width, int height)
    : m_window(window), m_font(font), m_width(std::max(width, Pixels(kDiagramWidthTwips))),
      m_height(std::max(height, Pixels(kDiagramHeightTwips))) {
    HDC screen = GetDC(window);
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
    ReleaseDC(window, screen);
    m_oldBitmap = SelectObject(m_dc, m_bitmap);
    clear();
}

GdiSurface::~GdiSurface() {
    SelectObject(m_dc, m_oldBitmap);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
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

void GdiSurface::clear() {
    const RECT all{0, 0, m_width, m_height};
    FillRect(m_dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    m_textX = m_textY = 0;
    changed();
}

void GdiSurface::setPenWidth(int pixels) {
    m_penWidth = pixels;
}

void GdiSurface::setFillStyle(calc::FillStyle style) {
    m_fillStyle = style;
}

void GdiSurface::setForeColour(calc::Colour colour) {
    m_hasForeground = true;
    m_foreground = ToColorRef(colour);
}

// A solid pen with round ends: a line covers both its end points.
void GdiSurface::line(float x1, float y1, float x2, float y2, calc::Colour colour) {
    const COLORREF c = ToColorRef(colour);
    const int ax = Pixels(x1), ay = Pixels(y1), bx = Pixels(x2), by = Pixels(y2);
    {
        const Selected pen(m_dc, CreatePen(PS_SOLID, m_penWidth, c));
        MoveToEx(m_dc, ax, ay, nullptr);
        LineTo(m_dc, bx, by);
    }
    if (m_penWidth <= 1) {
        // LineTo leaves out the last pixel.
        SetPixel(m_dc, bx, by, c);
    }
    changed();
}

void GdiSurface::circle(float x, float y, float radius) {
    const int cx = Pixels(x), cy = Pixels(y), r = Pixels(radius);
    const Selected pen(m_dc, CreatePen(PS_SOLID, m_penWidth, foreground()));
    const bool filled = m_fillStyle == calc::FillStyle::Solid;
    const Selected brush(m_dc, filled ? CreateSolidBrush(RGB(0, 0, 0)) : GetStockObject(NULL_BRUSH),
                         filled);
    Ellipse(m_dc, cx - r, cy - r, cx + r + 1, cy + r + 1);
    changed();
}

// Counterclockwise from `start` to `end`, radians from 3 o'clock.
void GdiSurface::arc(float x, float y, float radius, float start, float end) {
    if (start == end) {
        // Start and end coincide only for an azimuth of 0: nothing to mark.
        return;
    }
    const int cx = Pixels(x), cy = Pixels(y), r = Pixels(radius);
    const auto along = [&](float angle) {
        return POINT{cx + static_cast<LONG>(std::lround(r * std::cos(angle))),
                     cy - static_cast<LONG>(std::lround(r * std::sin(angle)))};
    };
    const POINT from = along(start);
    const POINT to = along(end);
    const Selected pen(m_dc, CreatePen(PS_SOLID, m_penWidth, foreground()));
    SetArcDirection(m_dc, AD_COUNTERCLOCKWISE);
    Arc(m_dc, cx - r, cy - r, cx + r + 1, cy + r + 1, from.x, from.y, to.x, to.y);
    changed();
}

// A round dot as wide as the pen.
void GdiSurface::point(float x, float y) {
    const int cx = Pixels(x), cy = Pixels(y);
    const COLORREF c = foreground();
    if (m_penWidth <= 1) {
        SetPixel(m_dc, cx, cy, c);
    } else {
        const int left = cx - m_penWidth / 2;
        const int top = cy - m_penWidth / 2;
        const Selected pen(m_dc, CreatePen(PS_SOLID, 1, c));
        const Selected brush(m_dc, CreateSolidBrush(c));
        Ellipse(m_dc, left, top, left + m_penWidth, top + m_penWidth);
    }
    changed();
}

void GdiSurface::setTextPosition(float x, float y) {
    m_textX = x;
    m_textY = y;
}

// Text in the window's font, over what lies there.
void GdiSurface::text(std::string_view text) {
    const std::wstring wide = Wide(text);
    const Selected font(m_dc, m_font ? m_font : GetStockObject(DEFAULT_GUI_FONT), false);
    SetBkMode(m_dc, TRANSPARENT);
    SetTextColor(m_dc, foreground());
    TextOutW(m_dc, Pixels(m_textX), Pixels(m_textY), wide.c_str(), static_cast<int>(wide.size()));
    changed();
}

} // namespace win32ui
