#pragma once

#include "core/windowstext.h"

namespace win32ui {

// The programs' texts and paths are UTF-8; Windows takes UTF-16. The core's
// conversion, which its file code uses too.
using calc::Narrow;
using calc::Wide;

} // namespace win32ui
