#pragma once

#include <string>
#include <string_view>

namespace calc {

// The path of a file that belongs to the installation: the program's directory
// (without a trailing separator) followed by a literal that begins with a
// backslash, joined by plain concatenation. The literals are written with the
// Windows separator, so every backslash in the literal becomes the platform's
// separator; nothing else changes, and the case of the name is kept.
std::string InstallationPath(std::string_view programDirectory, std::string_view literal);

} // namespace calc
