#pragma once

#include <windows.h>

namespace win32ui {

inline constexpr const wchar_t* kWindowClass = L"DishWindow";
inline constexpr const wchar_t* kMessageClass = L"DishMessages";

HINSTANCE ProgramInstance();

// Registers the program's window classes, once: its windows (with the
// program's icon), picture boxes and the platform's message-only window.
void RegisterClasses();

} // namespace win32ui
