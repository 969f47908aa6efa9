// Simple versions of the compass drawing surface and the bitmap reader, for
// as long as the full ones are not part of this tree (the build says which
// of the two stand in): the surface draws nothing, the reader leaves bitmaps
// to the system's loader.
#include "bitmap.h"
#include "core/failure.h"
#include "gdisurface.h"
#include "text.h"

namespace win32ui {

#ifdef DISH_STANDIN_GDISURFACE
GdiSurface::GdiSurface(HWND window, HFONT font, int width, int height)
    : m_window(window), m_font(font), m_width(width), m_height(height) {}

GdiSurface::~GdiSurface() = default;

void GdiSurface::paint(HDC) const {}

COLORREF GdiSurface::pixel(int, int) const {
    return GetSysColor(COLOR_BTNFACE);
}

void GdiSurface::clear() {}
void GdiSurface::setPenWidth(int) {}
void GdiSurface::setFillStyle(calc::FillStyle) {}
void GdiSurface::setForeColour(calc::Colour) {}
void GdiSurface::line(float, float, float, float, calc::Colour) {}
void GdiSurface::circle(float, float, float) {}
void GdiSurface::arc(float, float, float, float, float) {}
void GdiSurface::point(float, float) {}
void GdiSurface::setTextPosition(float, float) {}
void GdiSurface::text(std::string_view) {}
#endif

#ifdef DISH_STANDIN_BITMAP
std::unique_ptr<Win32Picture> ReadBitmapFile(const std::string& path) {
    const std::wstring wide = Wide(path);
    if (GetFileAttributesW(wide.c_str()) == INVALID_FILE_ATTRIBUTES) {
        throw calc::FileNotFound(path);
    }
    auto* bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, wide.c_str(), IMAGE_BITMAP, 0, 0,
                                                   LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!bitmap) {
        throw calc::FileFailure("Not a readable picture: " + path + " (cannot be read)");
    }
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    return std::make_unique<Win32Picture>(bitmap, info.bmWidth, info.bmHeight);
}
#endif

} // namespace win32ui
