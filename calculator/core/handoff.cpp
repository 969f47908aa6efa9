#include "handoff.h"

#include "failure.h"
#include "textnumber.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace calc {

namespace fs = std::filesystem;

namespace {

fs::path handOffPath(const std::string& directory) {
    return directory.empty() ? fs::path(kHandOffFileName) : fs::path(directory) / kHandOffFileName;
}

// The file as reports name it: with its full path.
std::string shownPath(const std::string& directory) {
    std::error_code ec;
    const fs::path path = fs::absolute(handOffPath(directory), ec);
    return ec ? handOffPath(directory).string() : path.string();
}

// The system's text for an error, worded to follow a colon: "permission
// denied", "no space left on device"; "I/O error" keeps its capital.
std::string reason(int error) {
    std::string text = std::generic_category().message(error);
    if (text.size() > 1 && std::islower(static_cast<unsigned char>(text[1]))) {
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    }
    return text;
}

constexpr const char* kNotRegular = "not a regular file";
constexpr const char* kReadOnly = "the file is read-only";

[[noreturn]] void cannotWrite(const std::string& directory, const std::string& why) {
    throw FileFailure("Cannot write " + shownPath(directory) + ": " + why);
}

[[noreturn]] void cannotRead(const std::string& directory, const std::string& why) {
    throw FileFailure("Cannot read " + shownPath(directory) + ": " + why);
}

// The first line and whatever follows it in the same reads, up to a little
// past the line limit.
std::string readFirstLine(std::FILE* file, const std::string& directory) {
    std::string content;
    char buffer[4096];
    bool lineEnded = false;
    while (!lineEnded && content.size() <= kHandOffLineLimit) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file);
        if (got == 0) {
            break;
        }
        const std::size_t before = content.size();
        content.append(buffer, got);
        lineEnded = content.find_first_of("\r\n", before) != std::string::npos;
    }
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);
    if (failed) {
        cannotRead(directory, reason(error));
    }
    return content;
}

#ifdef _WIN32

// Elsewhere the file is written the plain way: opened, truncated, written.
void writeLine(const std::string& directory, const std::string& line) {
    const fs::path path = handOffPath(directory);
    std::error_code ec;
    const fs::file_status old = fs::symlink_status(path, ec);
    if (fs::is_symlink(old)) {
        fs::remove(path, ec);
    } else if (fs::exists(old) && !fs::is_regular_file(old)) {
        cannotWrite(directory, kNotRegular);
    } else if (fs::exists(old) && (old.permissions() & fs::perms::owner_write) == fs::perms::none) {
        cannotWrite(directory, kReadOnly);
    }
    errno = 0;
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    if (!file) {
        cannotWrite(directory, reason(errno));
    }
    const bool written =
        std::fwrite(line.data(), 1, line.size(), file) == line.size() && std::fflush(file) == 0;
    const int error = errno;
    if (std::fclose(file) != 0 || !written) {
        cannotWrite(directory, reason(written ? errno : error));
    }
}

std::FILE* openForReading(const std::string& directory) {
    const fs::path path = handOffPath(directory);
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (!fs::exists(status)) {
        throw FileNotFound(shownPath(directory));
    }
    if (!fs::is_regular_file(status)) {
        cannotRead(directory, kNotRegular);
    }
    errno = 0;
    std::FILE* file = std::fopen(path.string().c_str(), "rb");
    if (!file) {
        cannotRead(directory, reason(errno));
    }
    return file;
}

#else

// Where a START may briefly give the finished new file a name of its own
// before renaming it over the old one. A START killed in between leaves it;
// the next START removes it.
const std::string kTemporaryName = std::string(".") + kHandOffFileName + ".tmp";

// Every open below is non-blocking, so that a FIFO or a device in the file's
// place cannot stop the program; on a regular file the flag changes nothing.
constexpr int kOpenFlags = O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

#ifdef O_PATH
// Enough to look names up and make files in the directory; unlike reading it,
// this needs no read permission on it.
constexpr int kDirectoryFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;
#else
constexpr int kDirectoryFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
#endif

// A file descriptor closed at the end of its scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_fd; }
    // Closes now, returning close's own errno, or 0.
    int close() {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

struct Directory {
    std::string path; // as given; empty for the current directory
    Descriptor fd;
};

// How START writes the file.
enum class Way {
    Replace, // a new file, complete before it takes the name
    InPlace, // the existing file truncated and written
};

// Chooses how to write, from what lies under the name now (`old`, nullptr
// when nothing does); throws where the file must be left as it is.
Way chooseWay(const Directory& dir, const struct stat* old) {
    if (!old || S_ISLNK(old->st_mode)) {
        // A link is replaced, never written through. Where the directory
        // takes no new file, making it fails and says why.
        return Way::Replace;
    }
    if (!S_ISREG(old->st_mode)) {
        cannotWrite(dir.path, kNotRegular);
    }
    if ((old->st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        cannotWrite(dir.path, kReadOnly); // even for root, who may write anything
    }
    if (::faccessat(dir.fd.get(), kHandOffFileName, W_OK, AT_EACCESS) != 0) {
        cannotWrite(dir.path, reason(errno));
    }
    if (old->st_nlink > 1) {
        return Way::InPlace; // so that every name shows the new line
    }
    if (old->st_uid != ::geteuid()) {
        return Way::InPlace; // a new file would change its owner
    }
    if (::faccessat(dir.fd.get(), ".", W_OK | X_OK, AT_EACCESS) != 0) {
        return Way::InPlace; // the directory takes no new file
    }
    return Way::Replace;
}

// Writes the whole line and has it on the disk before returning, so that
// after a crash of the system too a replaced file holds a whole line. The
// sync costs well under a millisecond on a local disk.
int writeAll(int fd, const std::string& line) {
    std::size_t done = 0;
    while (done < line.size()) {
        const ssize_t wrote = ::write(fd, line.data() + done, line.size() - done);
        if (wrote < 0 && errno != EINTR) {
            return errno;
        }
        done += wrote > 0 ? static_cast<std::size_t>(wrote) : 0;
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

#ifdef O_TMPFILE
// Gives the nameless file `fd` the temporary name.
int linkTemporary(const Directory& dir, int fd) {
    if (::linkat(fd, "", dir.fd.get(), kTemporaryName.c_str(), AT_EMPTY_PATH) == 0) {
        return 0;
    }
    if (errno != ENOENT) {
        return errno;
    }
    // Without the privilege that AT_EMPTY_PATH asks for, the file is reached
    // through /proc.
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), dir.fd.get(), kTemporaryName.c_str(),
                    AT_SYMLINK_FOLLOW) == 0
               ? 0
               : errno;
}
#endif

// Writes the line to a file that has no name until it is complete, then puts
// it in the old one's place. Returns false, leaving the old file as it was,
// where the file system makes no nameless files or the new one cannot be
// named; the caller then writes in place.
bool replaceWithNewFile(const Directory& dir, const struct stat* old, const std::string& line) {
#ifdef O_TMPFILE
    Descriptor file(::openat(dir.fd.get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (file.get() < 0) {
        if (errno == EOPNOTSUPP || errno == EISDIR) {
            return false;
        }
        cannotWrite(dir.path, reason(errno));
    }
    if (old && S_ISREG(old->st_mode)) {
        // Keep the old file's group (where its owner may) and permission bits.
        // The group goes first, as changing it can clear set-id bits.
        struct stat made {};
        if (::fstat(file.get(), &made) == 0 && made.st_gid != old->st_gid) {
            [[maybe_unused]] const int ignored = ::fchown(file.get(), -1, old->st_gid);
        }
        ::fchmod(file.get(), old->st_mode & 07777);
    }
    if (const int error = writeAll(file.get(), line)) {
        cannotWrite(dir.path, reason(error)); // the file goes with its descriptor
    }
    // Another START, killed or running at this moment, may hold the
    // temporary name: take it over and try again.
    for (int attempt = 0;; ++attempt) {
        int error = linkTemporary(dir, file.get());
        if (error == ENOENT) {
            // No way to reach the nameless file (no /proc, and not privileged
            // enough to link it directly): it goes with its descriptor, and
            // the file is written in place instead.
            return false;
        }
        if (error == EEXIST && attempt < 10) {
            if (::unlinkat(dir.fd.get(), kTemporaryName.c_str(), 0) != 0 && errno != ENOENT) {
                return false; // another user's, in a directory that keeps it for them
            }
            continue;
        }
        if (error == 0 &&
            ::renameat(dir.fd.get(), kTemporaryName.c_str(), dir.fd.get(), kHandOffFileName) == 0) {
            return true;
        }
        if (error == 0) {
            error = errno;
            if (error == ENOENT && attempt < 10) {
                continue; // another START took the name away before the rename
            }
            ::unlinkat(dir.fd.get(), kTemporaryName.c_str(), 0);
        }
        cannotWrite(dir.path, reason(error));
    }
#else
    (void)dir;
    (void)old;
    (void)line;
    return false;
#endif
}

// Truncates and writes the file under its name, creating it where there is
// none; a link in its place is removed first.
void writeInPlace(const Directory& dir, const struct stat* old, const std::string& line) {
    int flags = O_WRONLY | O_NOFOLLOW | kOpenFlags;
    if (!old || S_ISLNK(old->st_mode)) {
        if (old && ::unlinkat(dir.fd.get(), kHandOffFileName, 0) != 0) {
            cannotWrite(dir.path, reason(errno));
        }
        flags |= O_CREAT;
    }
    Descriptor file(::openat(dir.fd.get(), kHandOffFileName, flags, 0666));
    if (file.get() < 0) {
        cannotWrite(dir.path, errno == ELOOP ? kNotRegular : reason(errno));
    }
    // The name may have been given to something else since it was looked at.
    struct stat now {};
    if (::fstat(file.get(), &now) != 0) {
        cannotWrite(dir.path, reason(errno));
    }
    if (!S_ISREG(now.st_mode)) {
        cannotWrite(dir.path, kNotRegular);
    }
    if (::ftruncate(file.get(), 0) != 0) {
        cannotWrite(dir.path, reason(errno));
    }
    const int error = writeAll(file.get(), line);
    const int closeError = file.close();
    if (error || closeError) {
        cannotWrite(dir.path, reason(error ? error : closeError));
    }
}

void writeLine(const std::string& directory, const std::string& line) {
    Directory dir{directory,
                  Descriptor(::open(directory.empty() ? "." : directory.c_str(), kDirectoryFlags))};
    if (dir.fd.get() < 0) {
        cannotWrite(directory, reason(errno));
    }
    struct stat found {};
    const struct stat* old = &found;
    if (::fstatat(dir.fd.get(), kHandOffFileName, &found, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT) {
            cannotWrite(directory, reason(errno));
        }
        old = nullptr;
    }
    if (chooseWay(dir, old) == Way::Replace && replaceWithNewFile(dir, old, line)) {
        return;
    }
    writeInPlace(dir, old, line);
}

std::FILE* openForReading(const std::string& directory) {
    const std::string path = handOffPath(directory).string();
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        if (errno == ENOENT) {
            throw FileNotFound(shownPath(directory));
        }
        cannotRead(directory, reason(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        cannotRead(directory, kNotRegular); // not opened at all
    }
    const int fd = ::open(path.c_str(), O_RDONLY | kOpenFlags);
    if (fd < 0) {
        if (errno == ENOENT) {
            throw FileNotFound(shownPath(directory));
        }
        cannotRead(directory, reason(errno));
    }
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        cannotRead(directory, kNotRegular);
    }
    std::FILE* file = ::fdopen(fd, "rb");
    if (!file) {
        const int error = errno;
        ::close(fd);
        cannotRead(directory, reason(error));
    }
    return file;
}

#endif

void skipBlanks(const std::string& line, std::size_t& pos) {
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) {
        ++pos;
    }
}

// One field from `pos` on; leaves `pos` after the comma that ends it, or at
// the line's end. Returns whether a comma followed.
bool readField(const std::string& line, std::size_t& pos, std::string& field) {
    skipBlanks(line, pos);
    if (pos < line.size() && line[pos] == '"') {
        const std::size_t close = line.find('"', pos + 1);
        const std::size_t end = close == std::string::npos ? line.size() : close;
        field = line.substr(pos + 1, end - pos - 1);
        pos = line.find(',', end);
    } else {
        const std::size_t comma = line.find(',', pos);
        const std::size_t end = comma == std::string::npos ? line.size() : comma;
        std::size_t last = end;
        while (last > pos && (line[last - 1] == ' ' || line[last - 1] == '\t')) {
            --last;
        }
        field = line.substr(pos, last - pos);
        pos = comma;
    }
    if (pos == std::string::npos) {
        pos = line.size();
        return false;
    }
    ++pos;
    return true;
}

} // namespace

void WriteHandOffFile(double ALFA, double BETA, const std::string& directory) {
    writeLine(directory, NumberToFieldText(ALFA) + "," + NumberToFieldText(BETA) + "\r\n");
}

HandOffFields ParseHandOffLine(const std::string& content) {
    if (content.empty()) {
        throw InputPastEndOfFile();
    }
    const std::string line = content.substr(0, content.find_first_of("\r\n"));
    HandOffFields fields;
    std::size_t pos = 0;
    if (!readField(line, pos, fields.field1)) {
        throw InputPastEndOfFile();
    }
    readField(line, pos, fields.field2);
    return fields;
}

HandOffFields ReadHandOffFields(const std::string& directory) {
    const std::string content = readFirstLine(openForReading(directory), directory);
    const std::size_t lineLength = content.find_first_of("\r\n");
    if ((lineLength == std::string::npos ? content.size() : lineLength) > kHandOffLineLimit) {
        throw FileFailure("Bad hand-off file " + shownPath(directory) +
                          ": its first line is longer than " + std::to_string(kHandOffLineLimit) +
                          " bytes");
    }
    return ParseHandOffLine(content);
}

} // namespace calc
