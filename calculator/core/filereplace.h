#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace calc {

// What the platform's file system is asked for, one implementation per
// platform (filereplace_posix.cpp, filereplace_windows.cpp, and
// filereplace_web.cpp over the browser page's storage), chosen by the build.

// Replaces the file `name` in `directory` (the current directory when empty)
// with `content`. Anything but a regular file under the name is reported at
// once, never waited on, and so is a file with no write permission at all. On
// POSIX systems, where the directory lets it, a new file is written whole and
// then takes the old one's name and permission bits, so a reader never sees it
// empty or half-written; a symbolic link in its place is replaced, not written
// through. A file the directory lets no one replace, another user's file and
// one with more than one name are truncated and written in place. A file the
// user may not write is left alone. On Windows the new file takes the name by
// a rename; where another program keeps the old file open all the while, so
// that it cannot be renamed over, it is written in place instead, under a
// lock that ReadFileStart waits for, wherever that program shares it for
// writing; where it does not, nothing is changed. Throws FileFailure ("Cannot
// write <full path>: <reason>", the reason "another program has it open" for
// the last case).
void ReplaceFile(const std::string& directory, const std::string& name, std::string_view content);

// Reads at most `limit` bytes from the start of the regular file `name` in
// `directory`, without waiting on anything else under that name; on Windows
// never in the middle of ReplaceFile's write in place. Throws
// FileNotFound when there is none, and FileFailure ("Cannot read <full path>:
// <reason>") when it is not a regular file or cannot be opened or read.
std::string ReadFileStart(const std::string& directory, const std::string& name, std::size_t limit);

} // namespace calc
