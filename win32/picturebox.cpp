#include "picturebox.h"

#include "bitmap.h"
#include "forms/geometry.h"
#include "window.h"

namespace win32ui {

// A picture box paints its picture at its top-left corner, as large as it is
// at 96 dpi scaled to the window's resolution; the rest
// shows the window's background, which the class brush erases. Clicks of the
// buttons inside it go on to the window.
LRESULT CALLBACK PictureBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(box, &paint);
        const auto* picture =
            reinterpret_cast<const Win32Picture*>(GetWindowLongPtrW(box, GWLP_USERDATA));
        if (picture && picture->bitmap) {
            // Each picture pixel covers as much of the display as a pixel at
            // 96 dpi would: whole pixels, repeated, so that it stays sharp.
            const auto* window = reinterpret_cast<const Win32Window*>(
                GetWindowLongPtrW(GetAncestor(box, GA_ROOT), GWLP_USERDATA));
            const int dpi = window ? window->dpi() : forms::kReferenceDpi;
            const int width = forms::ScaledFromReference(picture->width, dpi);
            const int height = forms::ScaledFromReference(picture->height, dpi);
            HDC source = CreateCompatibleDC(dc);
            HGDIOBJ old = SelectObject(source, picture->bitmap);
            SetStretchBltMode(dc, COLORONCOLOR);
            StretchBlt(dc, 0, 0, width, height, source, 0, 0, picture->width, picture->height,
                       SRCCOPY);
            SelectObject(source, old);
            DeleteDC(source);
        }
        EndPaint(box, &paint);
        return 0;
    }
    case WM_COMMAND:
        return SendMessageW(GetParent(box), WM_COMMAND, wParam, lParam);
    case WM_LBUTTONDOWN:
        SetFocus(box);
        return 0;
    default:
        return DefWindowProcW(box, message, wParam, lParam);
    }
}

} // namespace win32ui
