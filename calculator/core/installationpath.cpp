#include "installationpath.h"

#include "fileerror.h"

namespace calc {

std::string InstallationPath(std::string_view programDirectory, std::string_view literal) {
    constexpr char separator = kPathSeparator;
    std::string path(programDirectory);
    path.reserve(programDirectory.size() + literal.size());
    for (char c : literal) {
        path += c == '\\' ? separator : c;
    }
    return path;
}

} // namespace calc
