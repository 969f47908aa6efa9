#pragma once

#include <windows.h>

namespace win32ui {

inline constexpr const wchar_t* kPictureBoxClass = L"DishPictureBox";

// The window procedure of picture boxes: the picture a box shows is the
// Win32Picture its GWLP_USERDATA points to, if any.
LRESULT CALLBACK PictureBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace win32ui
