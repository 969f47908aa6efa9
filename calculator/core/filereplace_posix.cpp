#include "filereplace.h"

#include "failure.h"
#include "fileerror.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace calc {

namespace {

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

// The file being replaced: its directory, open, and its name there.
struct Target {
    std::string directory; // as given; empty for the current directory
    std::string name;
    // Where a writer may briefly give the finished new file a name of its own
    // before renaming it over the old one. A writer killed in between leaves
    // it; the next one removes it.
    std::string temporary;
    Descriptor fd;

    [[noreturn]] void fail(const std::string& why) const { CannotWrite(directory, name, why); }
};

// How the file is written.
enum class Way {
    Replace, // a new file, complete before it takes the name
    InPlace, // the existing file truncated and written
};

// Chooses how to write, from what lies under the name now (`old`, nullptr
// when nothing does); throws where the file must be left as it is.
Way chooseWay(const Target& target, const struct stat* old) {
    if (!old || S_ISLNK(old->st_mode)) {
        // A link is replaced, never written through. Where the directory
        // takes no new file, making it fails and says why.
        return Way::Replace;
    }
    if (!S_ISREG(old->st_mode)) {
        target.fail(kNotRegular);
    }
    if ((old->st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        target.fail(kReadOnly); // even for root, who may write anything
    }
    if (::faccessat(target.fd.get(), target.name.c_str(), W_OK, AT_EACCESS) != 0) {
        target.fail(ErrorReason(errno));
    }
    if (old->st_nlink > 1) {
        return Way::InPlace; // so that every name shows the new content
    }
    if (old->st_uid != ::geteuid()) {
        return Way::InPlace; // a new file would change its owner
    }
    if (::faccessat(target.fd.get(), ".", W_OK | X_OK, AT_EACCESS) != 0) {
        return Way::InPlace; // the directory takes no new file
    }
    return Way::Replace;
}

// Writes the whole content and has it on the disk before returning, so that
// after a crash of the system too a replaced file is whole. The sync costs
// well under a millisecond on a local disk.
int writeAll(int fd, std::string_view content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t wrote = ::write(fd, content.data() + done, content.size() - done);
        if (wrote < 0 && errno != EINTR) {
            return errno;
        }
        done += wrote > 0 ? static_cast<std::size_t>(wrote) : 0;
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

#ifdef O_TMPFILE
// Gives the nameless file `fd` the temporary name.
int linkTemporary(const Target& target, int fd) {
    if (::linkat(fd, "", target.fd.get(), target.temporary.c_str(), AT_EMPTY_PATH) == 0) {
        return 0;
    }
    if (errno != ENOENT) {
        return errno;
    }
    // Without the privilege that AT_EMPTY_PATH asks for, the file is reached
    // through /proc.
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), target.fd.get(), target.temporary.c_str(),
                    AT_SYMLINK_FOLLOW) == 0
               ? 0
               : errno;
}
#endif

// Writes the content to a file that has no name until it is complete, then
// puts it in the old one's place. Returns false, leaving the old file as it
// was, where the file system makes no nameless files or the new one cannot be
// named; the caller then writes in place.
bool replaceWithNewFile(const Target& target, const struct stat* old, std::string_view content) {
#ifdef O_TMPFILE
    Descriptor file(::openat(target.fd.get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (file.get() < 0) {
        if (errno == EOPNOTSUPP || errno == EISDIR) {
            return false;
        }
        target.fail(ErrorReason(errno));
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
    if (const int error = writeAll(file.get(), content)) {
        target.fail(ErrorReason(error)); // the file goes with its descriptor
    }
    // Another writer, killed or running at this moment, may hold the
    // temporary name: take it over and try again.
    for (int attempt = 0;; ++attempt) {
        int error = linkTemporary(target, file.get());
        if (error == ENOENT) {
            // No way to reach the nameless file (no /proc, and not privileged
            // enough to link it directly): it goes with its descriptor, and
            // the file is written in place instead.
            return false;
        }
        if (error == EEXIST && attempt < 10) {
            if (::unlinkat(target.fd.get(), target.temporary.c_str(), 0) != 0 && errno != ENOENT) {
                return false; // another user's, in a directory that keeps it for them
            }
            continue;
        }
        if (error == 0 && ::renameat(target.fd.get(), target.temporary.c_str(), target.fd.get(),
                                     target.name.c_str()) == 0) {
            return true;
        }
        if (error == 0) {
            error = errno;
            if (error == ENOENT && attempt < 10) {
                continue; // another writer took the name away before the rename
            }
            ::unlinkat(target.fd.get(), target.temporary.c_str(), 0);
        }
        target.fail(ErrorReason(error));
    }
#else
    (void)target;
    (void)old;
    (void)content;
    return false;
#endif
}

// Truncates and writes the file under its name, creating it where there is
// none; a link in its place is removed first.
void writeInPlace(const Target& target, const struct stat* old, std::string_view content) {
    int flags = O_WRONLY | O_NOFOLLOW | kOpenFlags;
    if (!old || S_ISLNK(old->st_mode)) {
        if (old && ::unlinkat(target.fd.get(), target.name.c_str(), 0) != 0) {
            target.fail(ErrorReason(errno));
        }
        flags |= O_CREAT;
    }
    Descriptor file(::openat(target.fd.get(), target.name.c_str(), flags, 0666));
    if (file.get() < 0) {
        target.fail(errno == ELOOP ? kNotRegular : ErrorReason(errno));
    }
    // The name may have been given to something else since it was looked at.
    struct stat now {};
    if (::fstat(file.get(), &now) != 0) {
        target.fail(ErrorReason(errno));
    }
    if (!S_ISREG(now.st_mode)) {
        target.fail(kNotRegular);
    }
    if (::ftruncate(file.get(), 0) != 0) {
        target.fail(ErrorReason(errno));
    }
    const int error = writeAll(file.get(), content);
    const int closeError = file.close();
    if (error || closeError) {
        target.fail(ErrorReason(error ? error : closeError));
    }
}

} // namespace

void ReplaceFile(const std::string& directory, const std::string& name, std::string_view content) {
    const Target target{
        directory, name, "." + name + ".tmp",
        Descriptor(::open(directory.empty() ? "." : directory.c_str(), kDirectoryFlags))};
    if (target.fd.get() < 0) {
        target.fail(ErrorReason(errno));
    }
    struct stat found {};
    const struct stat* old = &found;
    if (::fstatat(target.fd.get(), name.c_str(), &found, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT) {
            target.fail(ErrorReason(errno));
        }
        old = nullptr;
    }
    if (chooseWay(target, old) == Way::Replace && replaceWithNewFile(target, old, content)) {
        return;
    }
    writeInPlace(target, old, content);
}

std::string AbsolutePath(const std::string& path) {
    if (!path.empty() && path.front() == '/') {
        return path;
    }
    std::string directory(256, '\0');
    while (::getcwd(directory.data(), directory.size()) == nullptr) {
        if (errno != ERANGE) {
            return path;
        }
        directory.resize(directory.size() * 2);
    }
    directory.resize(directory.find('\0'));
    return FileInDirectory(directory, path);
}

std::string ReadFileStart(const std::string& directory, const std::string& name,
                          std::size_t limit) {
    const std::string path = FileInDirectory(directory, name);
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        if (errno == ENOENT) {
            throw FileNotFound(ShownPath(directory, name));
        }
        CannotRead(directory, name, ErrorReason(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        CannotRead(directory, name, kNotRegular); // not opened at all
    }
    Descriptor file(::open(path.c_str(), O_RDONLY | kOpenFlags));
    if (file.get() < 0) {
        if (errno == ENOENT) {
            throw FileNotFound(ShownPath(directory, name));
        }
        CannotRead(directory, name, ErrorReason(errno));
    }
    if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        CannotRead(directory, name, kNotRegular);
    }
    std::string content;
    char buffer[4096];
    while (content.size() < limit) {
        const ssize_t got =
            ::read(file.get(), buffer, std::min(sizeof buffer, limit - content.size()));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            CannotRead(directory, name, ErrorReason(errno));
        }
        if (got == 0) {
            break;
        }
        content.append(buffer, static_cast<std::size_t>(got));
    }
    return content;
}

} // namespace calc
