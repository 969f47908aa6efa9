#include "windowclasses.h"

#include "picturebox.h"
#include "win32platform.h"
#include "window.h"

namespace win32ui {

HINSTANCE ProgramInstance() {
    return GetModuleHandleW(nullptr);
}

namespace {

void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HICON icon, bool background) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ProgramInstance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = icon;
    if (background) {
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    }
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

} // namespace

void RegisterClasses() {
    static const bool registered = [] {
        // The program's own icon (resource 1) where it has one.
        RegisterWindowClass(kWindowClass, WindowProcedure,
                            LoadIconW(ProgramInstance(), MAKEINTRESOURCEW(1)), true);
        RegisterWindowClass(kPictureBoxClass, PictureBoxProcedure, nullptr, true);
        RegisterWindowClass(kMessageClass, MessageProcedure, nullptr, false);
        return true;
    }();
    (void)registered;
}

} // namespace win32ui
