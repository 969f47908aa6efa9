#include "dpi.h"

namespace win32ui {

namespace {

// A function of user32 that older Windows lack, or null.
template <class Function> Function User32Function(const char* name) {
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

} // namespace

int WindowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    const int dpi = getDpiForWindow ? static_cast<int>(getDpiForWindow(window)) : 0;
    return dpi > 0 ? dpi : ScreenDpi();
}

SIZE OuterSize(int width, int height, DWORD style, int dpi) {
    using AdjustFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = User32Function<AdjustFunction>("AdjustWindowRectExForDpi");
    RECT outer{0, 0, width, height};
    if (!adjustForDpi || !adjustForDpi(&outer, style, FALSE, 0, static_cast<UINT>(dpi))) {
        AdjustWindowRectEx(&outer, style, FALSE, 0);
    }
    return {outer.right - outer.left, outer.bottom - outer.top};
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

} // namespace win32ui
