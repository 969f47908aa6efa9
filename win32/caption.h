#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace win32ui {

// A label's caption broken into the lines it draws, as every build breaks
// captions, measured with the font selected into `dc`. A line of blanks only
// is an empty line.
std::vector<std::wstring> CaptionLines(std::wstring_view text, int width, HDC dc);

// The lines the label control `label` draws: its caption in its font at its
// width.
std::vector<std::wstring> LabelLines(HWND label);

} // namespace win32ui
