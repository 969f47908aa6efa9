#pragma once

#include <filesystem>
#include <string>

namespace calc {

// How failures with a file are worded, on every platform alike.

// The file `name` in `directory`, the current directory when that is empty.
std::filesystem::path FileInDirectory(const std::string& directory, const std::string& name);

// The file as reports name it: with its full path.
std::string ShownPath(const std::string& directory, const std::string& name);

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
