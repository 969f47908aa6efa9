#pragma once

#include "core/recordedsurface.h"
#include "forms/platform.h"

#include <windows.h>

#include <memory>
#include <string>

namespace win32ui {

// A window's compass drawing: kept, so that the window paints it again, and
// drawn afresh when the window's resolution changes.
class WindowSurface : public calc::RecordedSurface {
public:
    // Draws everything since the last clear again at `dpi`, with `font`, in
    // a bitmap of at least `width` x `height` pixels.
    virtual void setResolution(int dpi, HFONT font, int width, int height) = 0;
    // Copies the drawing onto `dc` at the client area's origin.
    virtual void paint(HDC dc) const = 0;
};

// How a program's windows read pictures and make their drawing surfaces. The
// calculator has both (PicturesAndDrawing); the launcher shows neither, and
// without them it carries none of their code.
struct Graphics {
    std::unique_ptr<forms::Picture> (*readPicture)(const std::string& path) = nullptr;
    std::unique_ptr<WindowSurface> (*makeSurface)(HWND window, HFONT font, int width, int height,
                                                  int dpi) = nullptr;
};

// Pictures read from Windows bitmap files, and drawing on GDI.
Graphics PicturesAndDrawing();

} // namespace win32ui
