#pragma once

#include "graphics.h"

#include <windows.h>

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

private:
    void erase() override;
    void draw(const calc::DrawingStep& step) override;
    void changed();
    int pixels(double twips) const;
    // A pen of `width` pixels at 96 dpi, in pixels at the surface's
    // resolution.
    int penPixels(int width) const;
    void makeBitmap(int width, int height);
    void freeBitmap();

    HWND m_window;
    HFONT m_font;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    int m_width = 0;
    int m_height = 0;
    int m_dpi;
};

} // namespace win32ui
