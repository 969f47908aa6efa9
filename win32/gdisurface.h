#pragma once

#include "graphics.h"

#include <windows.h>

#include <functional>
#include <vector>

namespace win32ui {

// The compass drawing surface of a window on GDI: the drawing goes into a
// bitmap as large as the window's client area to begin with, which the
// window copies to the screen when it paints, so covering or resizing the
// window does not lose it. Twips become pixels at the window's resolution,
// and pens are as many pixels wide as the program asks for at 96 dpi, scaled
// to it. Pixels of the bitmap that nothing was drawn on show the window's
// background.
class GdiSurface : public WindowSurface {
public:
    // Draws for `window` with `font` for text (not owned), in the button-text
    // colour until a foreground colour is set; the bitmap covers `width` x
    // `height` pixels at `dpi`.
    GdiSurface(HWND window, HFONT font, int width, int height, int dpi = 96);
    ~GdiSurface() override;
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    void setResolution(int dpi, HFONT font, int width, int height) override;
    void paint(HDC dc) const override;
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
    int pixels(double twips) const;
    // The pen's width in pixels at the surface's resolution.
    int penPixels() const;
    void makeBitmap(int width, int height);
    void freeBitmap();
    // Runs a drawing step and keeps it, to be run again at another resolution.
    void record(std::function<void()> step);
    void fill();

    HWND m_window;
    HFONT m_font;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    int m_width = 0;
    int m_height = 0;
    int m_dpi;
    std::vector<std::function<void()>> m_steps;
    bool m_hasForeground = false;
    COLORREF m_foreground = 0;
    int m_penWidth = 1; // pixels at 96 dpi, as the program sets it
    calc::FillStyle m_fillStyle = calc::FillStyle::Transparent;
    float m_textX = 0; // twips
    float m_textY = 0;
};

} // namespace win32ui
