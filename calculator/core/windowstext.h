#pragma once

#include <string>
#include <string_view>

namespace calc {

// The programs' texts and paths are UTF-8; Windows takes UTF-16.
std::wstring Wide(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// The system's own words for a Windows error code (GetLastError), in
// `language` (a LANGID; 0: the user's), without the line break and full stop
// they end with; "system error <code>" where the system has none.
std::string SystemText(unsigned long code, unsigned short language = 0);

} // namespace calc
