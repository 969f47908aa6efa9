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
    redraw();
}

int GdiSurface::pixels(double twips) const {
    return forms::TwipsToPixels(twips, m_dpi);
}

void GdiSurface::paint(HDC dc) const {
    BitBlt(dc, 0, 0, m_width, m_height, m_dc, 0, 0, SRCCOPY);
}

COLORREF GdiSurface::pixel(int x, int y) const {
    return GetPixel(m_dc, x, y);
}

void GdiSurface::changed() {
    if (m_window) {
        InvalidateRect(m_window, nullptr, FALSE);
    }
}

void GdiSurface::erase() {
    const RECT all{0, 0, m_width, m_height};
    FillRect(m_dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    changed();
}

void GdiSurface::draw(const calc::DrawingStep& step) {
    const COLORREF colour = step.colour ? ToColorRef(*step.colour) : GetSysColor(COLOR_BTNTEXT);
    const int width = penPixels(step.penWidth);
    const int cx = pixels(step.x), cy = pixels(step.y);
    switch (step.kind) {
    case calc::DrawingStep::Kind::Line: {
        // A solid pen with round ends: a line covers both its end points.
        const int bx = pixels(step.x2), by = pixels(step.y2);
        {
            const Selected pen(m_dc, CreatePen(PS_SOLID, width, colour));
            MoveToEx(m_dc, cx, cy, nullptr);
            LineTo(m_dc, bx, by);
        }
        if (width <= 1) {
            // LineTo leaves out the last pixel.
            SetPixel(m_dc, bx, by, colour);
        }
        break;
    }
    case calc::DrawingStep::Kind::Circle: {
        const int r = pixels(step.radius);
        const Selected pen(m_dc, CreatePen(PS_SOLID, width, colour));
        const Selected brush(
            m_dc, step.filled ? CreateSolidBrush(RGB(0, 0, 0)) : GetStockObject(NULL_BRUSH),
            step.filled);
        Ellipse(m_dc, cx - r, cy - r, cx + r + 1, cy + r + 1);
        break;
    }
    case calc::DrawingStep::Kind::Arc: {
        const int r = pixels(step.radius);
        const auto along = [&](float angle) {
            return POINT{cx + static_cast<LONG>(std::lround(r * std::cos(angle))),
                         cy - static_cast<LONG>(std::lround(r * std::sin(angle)))};
        };
        const POINT from = along(step.start);
        const POINT to = along(step.end);
        if (from.x == to.x && from.y == to.y && step.sweep <= std::numbers::pi) {
            // GDI draws a whole circle between equal ends; a sweep this
            // short (less than half a turn, so less than a pixel) shows
            // nothing.
            break;
        }
        const Selected pen(m_dc, CreatePen(PS_SOLID, width, colour));
        SetArcDirection(m_dc, AD_COUNTERCLOCKWISE);
        Arc(m_dc, cx - r, cy - r, cx + r + 1, cy + r + 1, from.x, from.y, to.x, to.y);
        break;
    }
    case calc::DrawingStep::Kind::Point:
        // A round dot as wide as the pen.
        if (width <= 1) {
            SetPixel(m_dc, cx, cy, colour);
        } else {
            const int left = cx - width / 2;
            const int top = cy - width / 2;
            const Selected pen(m_dc, CreatePen(PS_SOLID, 1, colour));
            const Selected brush(m_dc, CreateSolidBrush(colour));
            Ellipse(m_dc, left, top, left + width, top + width);
        }
        break;
    case calc::DrawingStep::Kind::Text: {
        // In the window's font, over what lies there.
        const std::wstring wide = Wide(step.text);
        const Selected font(m_dc, m_font ? m_font : GetStockObject(DEFAULT_GUI_FONT), false);
        SetBkMode(m_dc, TRANSPARENT);
        SetTextColor(m_dc, colour);
        TextOutW(m_dc, cx, cy, wide.c_str(), static_cast<int>(wide.size()));
        break;
    }
    }
    changed();
}

int GdiSurface::penPixels(int width) const {
    return std::max(1, forms::ScaledFromReference(width, m_dpi));
}

} // namespace win32ui
