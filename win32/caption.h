#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace win32ui {

// The lines the label control `label` draws: its caption in its font at its
// width, broken as every build breaks captions. A line of blanks only is an
// empty line.
std::vector<std::wstring> LabelLines(HWND label);

} // namespace win32ui
