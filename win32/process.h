#pragma once

#include <string>

namespace win32ui {

// The directory of the running program (UTF-8), without a trailing
// separator.
std::string ProgramDirectory();

// Starts the program at `path` (UTF-8) as a process of its own, with no
// arguments, in its normal window, in the current directory. Throws
// forms::StartFailure when it cannot.
void StartProgram(const std::string& path);

} // namespace win32ui
