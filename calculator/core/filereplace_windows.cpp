#include "filereplace.h"

#include "failure.h"
#include "fileerror.h"
#include "windowstext.h"

#include <algorithm>
#include <cstdint>

#include <windows.h>

#include <aclapi.h>
// windows.h names ReplaceFileW ReplaceFile too, which would rename the
// function defined below.
#undef ReplaceFile

namespace calc {

namespace {

constexpr const char* kHeldOpen = "another program has it open";

// How often, and how long apart, a replacement is tried again while a reader
// holds the old file open, and an open while a replacement holds the new one:
// half a second in all. A replacement that still fails then is given up for a
// write in place.
constexpr int kReplaceAttempts = 50;
constexpr DWORD kReplacePauseMs = 10;

// How often, 10 ms apart, a lock on the file is tried before it is given up:
// two seconds in all. The writer and the reader hold theirs only while they
// write or read the one line, so only another program's lock lasts that long.
constexpr int kLockAttempts = 200;

// A system error as a short phrase to follow a colon, worded like the POSIX
// side's where the two meet; others in the system's own words, lower-cased
// and without the closing full stop.
std::string Reason(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return "no such file or directory";
    case ERROR_ACCESS_DENIED:
        return "permission denied";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
        return kHeldOpen;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return "no space left on the device";
    case ERROR_WRITE_PROTECT:
        return "read-only file system";
    default:
        break;
    }
    std::string text = SystemText(error, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    if (text.size() > 1 && text[1] >= 'a' && text[1] <= 'z' && text[0] >= 'A' && text[0] <= 'Z') {
        text[0] = static_cast<char>(text[0] - 'A' + 'a');
    }
    return text;
}

// A handle closed at the end of its scope.
class Handle {
public:
    explicit Handle(HANDLE handle) : m_handle(handle) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    HANDLE get() const { return m_handle; }
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    // Closes now; false when closing failed (GetLastError says why).
    bool close() {
        const bool closed = !valid() || ::CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
        return closed;
    }
    // Hands the handle over; it is no longer closed here.
    HANDLE release() {
        const HANDLE handle = m_handle;
        m_handle = INVALID_HANDLE_VALUE;
        return handle;
    }

private:
    HANDLE m_handle;
};

// The file being replaced: its name as reports show it, and its path and the
// temporary file's as the system takes them.
struct Target {
    std::string directory; // as given; empty for the current directory
    std::string name;
    std::wstring path;
    // Where the new file is written before it takes the name. A writer killed
    // in between leaves it; the next one overwrites it.
    std::wstring temporary;

    [[noreturn]] void fail(const std::string& why) const { CannotWrite(directory, name, why); }
    [[noreturn]] void fail(DWORD error) const { fail(Reason(error)); }
};

std::wstring PathOf(const std::string& directory, const std::string& name) {
    if (directory.empty()) {
        return Wide(name);
    }
    std::wstring path = Wide(directory);
    if (path.back() != L'\\' && path.back() != L'/') {
        path += L'\\';
    }
    return path + Wide(name);
}

// Anything but a file on a disk (a directory, a device) under the name.
bool NotRegular(DWORD attributes) {
    return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0;
}

// Writes the whole content and has it on the disk before returning, so that
// after a crash of the system too the file is whole. Returns 0 or the error.
DWORD WriteAll(HANDLE file, std::string_view content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1u << 20));
        DWORD wrote = 0;
        if (!::WriteFile(file, content.data() + done, chunk, &wrote, nullptr)) {
            return ::GetLastError();
        }
        done += wrote;
    }
    return ::FlushFileBuffers(file) ? 0 : ::GetLastError();
}

// While a reader has the old file open, it cannot be replaced; that lasts only
// as long as a read.
bool InUse(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
           error == ERROR_LOCK_VIOLATION || error == ERROR_UNABLE_TO_REMOVE_REPLACED ||
           error == ERROR_UNABLE_TO_MOVE_REPLACEMENT;
}

// Locks the whole file, shared for a reader, exclusive for a writer, so that a
// reader never sees a line that is being written in place. A lock that
// another program holds is waited for a while. Returns 0 or the error.
DWORD LockWhole(HANDLE file, bool exclusive) {
    const DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
    for (int attempt = 1;; ++attempt) {
        OVERLAPPED from{}; // offset 0
        if (::LockFileEx(file, flags, 0, MAXDWORD, MAXDWORD, &from)) {
            return 0;
        }
        const DWORD error = ::GetLastError();
        if (error != ERROR_LOCK_VIOLATION || attempt == kLockAttempts) {
            return error;
        }
        ::Sleep(kReplacePauseMs);
    }
}

void UnlockWhole(HANDLE file) {
    OVERLAPPED from{};
    ::UnlockFileEx(file, 0, MAXDWORD, MAXDWORD, &from);
}

// The attributes a new file takes over from the one it replaces.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// Gives the new file the old one's access rights, so that replacing the file
// changes no one's access to it. Where they cannot be read or set, the new
// file keeps those its directory gives it.
void CarryOverAccess(const Target& target, HANDLE file) {
    PACL access = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (::GetNamedSecurityInfoW(target.path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                                nullptr, nullptr, &access, nullptr, &descriptor) == ERROR_SUCCESS) {
        ::SetSecurityInfo(file, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, access,
                          nullptr);
    }
    if (descriptor) {
        ::LocalFree(descriptor);
    }
}

// Writes the content to the temporary file, then gives it the file's name.
// Returns false, having changed nothing, where the directory takes no new
// file, and where another program keeps the old file open all the while the
// rename is tried (a rename needs everyone who has it open to share it for
// deletion; a write in place only for writing): the caller then writes in
// place.
bool ReplaceWithNewFile(const Target& target, DWORD oldAttributes, std::string_view content) {
    Handle file(::CreateFileW(target.temporary.c_str(), GENERIC_WRITE | WRITE_DAC, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_ACCESS_DENIED) {
            return false;
        }
        target.fail(error);
    }
    if (oldAttributes != INVALID_FILE_ATTRIBUTES) {
        CarryOverAccess(target, file.get());
    }
    DWORD error = WriteAll(file.get(), content);
    if (!file.close() && !error) {
        error = ::GetLastError();
    }
    if (error) {
        ::DeleteFileW(target.temporary.c_str());
        target.fail(error);
    }
    if (oldAttributes != INVALID_FILE_ATTRIBUTES) {
        // Hidden, system and the like stay as they were on the old file.
        ::SetFileAttributesW(target.temporary.c_str(), oldAttributes & kKeptAttributes);
    }
    for (int attempt = 1;; ++attempt) {
        // A rename over the old file: on NTFS, as on the file systems Wine
        // runs on, a reader finds the old file or the new one, never none.
        // ReplaceFileW is not used: where it is emulated (Wine) it first moves
        // the old file aside, leaving a moment with no file and, when it
        // fails, a stray "rf*.tmp" file.
        const bool moved = ::MoveFileExW(target.temporary.c_str(), target.path.c_str(),
                                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        if (moved) {
            return true;
        }
        error = ::GetLastError();
        if (!InUse(error)) {
            break;
        }
        if (attempt == kReplaceAttempts) {
            ::DeleteFileW(target.temporary.c_str());
            return false;
        }
        ::Sleep(kReplacePauseMs);
    }
    ::DeleteFileW(target.temporary.c_str());
    target.fail(error);
}

// Truncates and writes the file under its name, creating it where there is
// none, under an exclusive lock that the reader below waits for. Where
// another program has the file open without sharing it for writing, nothing
// is changed and that is reported.
void WriteInPlace(const Target& target, std::string_view content) {
    Handle file(::CreateFileW(target.path.c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        target.fail(::GetLastError());
    }
    // The name may have been given to something else since it was looked at.
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) {
        target.fail(kNotRegular);
    }
    if (const DWORD error = LockWhole(file.get(), true)) {
        target.fail(error);
    }
    DWORD error = ::SetEndOfFile(file.get()) ? WriteAll(file.get(), content) : ::GetLastError();
    UnlockWhole(file.get());
    if (!file.close() && !error) {
        error = ::GetLastError();
    }
    if (error) {
        target.fail(error);
    }
}

} // namespace

void ReplaceFile(const std::string& directory, const std::string& name, std::string_view content) {
    const Target target{directory, name, PathOf(directory, name),
                        PathOf(directory, "." + name + ".tmp")};
    const DWORD attributes = ::GetFileAttributesW(target.path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_NOT_FOUND) {
            target.fail(error);
        }
    } else if (NotRegular(attributes)) {
        target.fail(kNotRegular);
    } else if ((attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
               (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        target.fail(kReadOnly);
    }
    if (!ReplaceWithNewFile(target, attributes, content)) {
        WriteInPlace(target, content);
    }
}

std::string AbsolutePath(const std::string& path) {
    const std::wstring wide = Wide(path);
    const DWORD size = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0) {
        return path;
    }
    std::wstring full(size, L'\0');
    const DWORD length = ::GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) {
        return path;
    }
    full.resize(length);
    return Narrow(full);
}

std::string ReadFileStart(const std::string& directory, const std::string& name,
                          std::size_t limit) {
    const std::wstring path = PathOf(directory, name);
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            throw FileNotFound(ShownPath(directory, name));
        }
        CannotRead(directory, name, Reason(error));
    }
    if (NotRegular(attributes)) {
        CannotRead(directory, name, kNotRegular); // not opened at all
    }
    // Shared every way, so that a writer may replace the file while it is
    // read. A replacement holds the new file without sharing for a moment
    // after it has taken the name: that is waited out.
    HANDLE opened = INVALID_HANDLE_VALUE;
    DWORD error = 0;
    for (int attempt = 1;; ++attempt) {
        opened = ::CreateFileW(path.c_str(), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (opened != INVALID_HANDLE_VALUE) {
            break;
        }
        error = ::GetLastError();
        if (!InUse(error) || attempt == kReplaceAttempts) {
            break;
        }
        ::Sleep(kReplacePauseMs);
    }
    Handle file(opened);
    if (!file.valid()) {
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            throw FileNotFound(ShownPath(directory, name));
        }
        CannotRead(directory, name, Reason(error));
    }
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) {
        CannotRead(directory, name, kNotRegular);
    }
    // A writer writing in place holds the file locked until the line is
    // whole.
    if (const DWORD locked = LockWhole(file.get(), false)) {
        CannotRead(directory, name, Reason(locked));
    }
    std::string content;
    error = 0;
    char buffer[4096];
    while (content.size() < limit) {
        DWORD got = 0;
        const DWORD wanted = static_cast<DWORD>(std::min(sizeof buffer, limit - content.size()));
        if (!::ReadFile(file.get(), buffer, wanted, &got, nullptr)) {
            error = ::GetLastError();
            break;
        }
        if (got == 0) {
            break;
        }
        content.append(buffer, got);
    }
    UnlockWhole(file.get());
    if (error) {
        CannotRead(directory, name, Reason(error));
    }
    return content;
}

} // namespace calc
