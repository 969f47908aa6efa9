#include "filereplace.h"

#include "failure.h"
#include "fileerror.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace calc {

namespace fs = std::filesystem;

// For now the file is written the plain way: opened, truncated, written. A
// symbolic link in its place is removed first, so that it is not written
// through.
void ReplaceFile(const std::string& directory, const std::string& name, std::string_view content) {
    const fs::path path = FileInDirectory(directory, name);
    std::error_code ec;
    const fs::file_status old = fs::symlink_status(path, ec);
    if (fs::is_symlink(old)) {
        fs::remove(path, ec);
    } else if (fs::exists(old) && !fs::is_regular_file(old)) {
        CannotWrite(directory, name, kNotRegular);
    } else if (fs::exists(old) && (old.permissions() & fs::perms::owner_write) == fs::perms::none) {
        CannotWrite(directory, name, kReadOnly);
    }
    errno = 0;
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    if (!file) {
        CannotWrite(directory, name, ErrorReason(errno));
    }
    const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size() &&
                         std::fflush(file) == 0;
    const int error = errno;
    if (std::fclose(file) != 0 || !written) {
        CannotWrite(directory, name, ErrorReason(written ? errno : error));
    }
}

std::FILE* OpenRegularFileForReading(const std::string& directory, const std::string& name) {
    const fs::path path = FileInDirectory(directory, name);
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (!fs::exists(status)) {
        throw FileNotFound(ShownPath(directory, name));
    }
    if (!fs::is_regular_file(status)) {
        CannotRead(directory, name, kNotRegular);
    }
    errno = 0;
    std::FILE* file = std::fopen(path.string().c_str(), "rb");
    if (!file) {
        CannotRead(directory, name, ErrorReason(errno));
    }
    return file;
}

} // namespace calc
