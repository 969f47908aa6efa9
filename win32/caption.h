#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace win32ui {

// A label's caption broken into lines as the labels of every build break it:
// at blanks, where the next word would not fit `width` (as `measure` gives a
// text's width). Every blank within a line is kept, leading blanks included;
// the blanks at a break end the line before it and are not drawn. A word wider
// than the label stands on a line of its own.
std::vector<std::wstring> CaptionLines(std::wstring_view text, int width,
                                       const std::function<int(std::wstring_view)>& measure);

} // namespace win32ui
