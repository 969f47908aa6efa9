#pragma once

#include "core/drawingsurface.h"

#include <windows.h>

namespace win32ui {

// The compass drawing surface of a window on GDI: the drawing goes into a
// bitmap as large as the window's client area to begin with, which the
// window copies to the screen when it paints, so covering or resizing the
// window does not lose it. Twips become pixels at the display's resolution.
// Pixels of the bitmap that nothing was drawn on show the window's
// background.
class GdiSurface : public calc::DrawingSurface {
public:
    // Draws for `window` with `font` for text (not owned), in the button-text
    // colour until a foreground colour is set; the bitmap covers `width` x
    // `height` pixels.
    GdiSurface(HWND window, HFONT font, int width, int height);
    ~GdiSurface() override;
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    // Copies the drawing onto `dc` at the client area's origin.
    void paint(HDC dc) const;
    // The colour of the drawing's pixel at (x, y), for tests.
    COLORREF pixel(int x, int y) const;

    void clear() override;
    void setPenWidth(int pixels) override;
    void setFillStyle(calc::FillStyle style) override;
    void setForeColour(calc::Colour colour) override;
    void line(float x1, float y1, float x2, float y2, calc::Colour colour) override;
    void circle(float x, float y, float radius) override;
    void arc(float x, float y, float radius, float start, float end) override;
    void point(float x, float y) override;
    void setTextPosition(float x, float y) override;
    void text(std::string_view text) override;

private:
    COLORREF foreground() const;
    void changed();

    HWND m_window;
    HFONT m_font;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    int m_width;
    int m_height;
    bool m_hasForeground = false;
    COLORREF m_foreground = 0;
    int m_penWidth = 1;
    calc::FillStyle m_fillStyle = calc::FillStyle::Transparent;
    float m_textX = 0; // twips
    float m_textY = 0;
};

} // namespace win32ui
