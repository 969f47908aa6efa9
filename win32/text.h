#pragma once

#include <string>
#include <string_view>

namespace win32ui {

// The program's texts and paths are UTF-8; Windows takes UTF-16.
std::wstring Wide(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

} // namespace win32ui
