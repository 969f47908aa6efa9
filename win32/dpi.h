#pragma once

#include <windows.h>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace win32ui {

// The display's horizontal resolution in dots per inch.
int ScreenDpi();

// The resolution `window` is shown at: its monitor's where Windows tells
// (Windows 10 1607 and later), otherwise the display's.
int WindowDpi(HWND window);

// The window's outer size for a client area of `width` x `height` pixels,
// with the frame as wide as it is at `dpi`.
SIZE OuterSize(int width, int height, DWORD style, int dpi);

} // namespace win32ui
