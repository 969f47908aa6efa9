#include "fileerror.h"

#include "failure.h"

#include <cctype>
#include <system_error>

namespace calc {

std::string FileInDirectory(const std::string& directory, const std::string& name) {
    if (directory.empty()) {
        return name;
    }
    const char last = directory.back();
    const bool separated = last == kPathSeparator || last == '/';
    return directory + (separated ? "" : std::string(1, kPathSeparator)) + name;
}

std::string ShownPath(const std::string& directory, const std::string& name) {
    return AbsolutePath(FileInDirectory(directory, name));
}

std::string ErrorReason(int error) {
    std::string text = std::generic_category().message(error);
    if (text.size() > 1 && std::islower(static_cast<unsigned char>(text[1]))) {
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    }
    return text;
}

void CannotWrite(const std::string& directory, const std::string& name, const std::string& why) {
    throw FileFailure("Cannot write " + ShownPath(directory, name) + ": " + why);
}

void CannotRead(const std::string& directory, const std::string& name, const std::string& why) {
    throw FileFailure("Cannot read " + ShownPath(directory, name) + ": " + why);
}

} // namespace calc
