#pragma once

#include <string>

namespace calc {

// How failures with a file are worded, on every platform alike.

// The system's separator between a directory and a name in it.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The file `name` in `directory`, the current directory when that is empty.
std::string FileInDirectory(const std::string& directory, const std::string& name);

// The file as reports name it: with its full path.
std::string ShownPath(const std::string& directory, const std::string& name);

// `path` made absolute against the current directory, as the system does it;
// `path` itself where the system cannot tell. Each platform's file code has
// its own.
std::string AbsolutePath(const std::string& path);

// The system's text for an error, worded to follow a colon: "permission
// denied", "no space left on device"; "I/O error" keeps its capital.
std::string ErrorReason(int error);

inline constexpr const char* kNotRegular = "not a regular file";
inline constexpr const char* kReadOnly = "the file is read-only";

// Throw FileFailure: "Cannot write <full path>: <why>", "Cannot read ...".
[[noreturn]] void CannotWrite(const std::string& directory, const std::string& name,
                              const std::string& why);
[[noreturn]] void CannotRead(const std::string& directory, const std::string& name,
                             const std::string& why);

} // namespace calc
