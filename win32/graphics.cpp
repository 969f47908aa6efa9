#include "graphics.h"

#include "bitmap.h"
#include "gdisurface.h"

namespace win32ui {

Graphics PicturesAndDrawing() {
    Graphics graphics;
    graphics.readPicture = [](const std::string& path) -> std::unique_ptr<forms::Picture> {
        return ReadBitmapFile(path);
    };
    graphics.makeSurface = [](HWND window, HFONT font, int width, int height,
                              int dpi) -> std::unique_ptr<WindowSurface> {
        return std::make_unique<GdiSurface>(window, font, width, height, dpi);
    };
    return graphics;
}

} // namespace win32ui
