#pragma once

#include "handoffline.h"

#include <cstddef>
#include <string>

namespace calc {

// The one-line file through which the main window hands its latest look
// angles to the compass window. It lives in the current working directory.
// Both sides use this one name, so it is found on file systems that match
// names with regard to case.
inline constexpr const char* kHandOffFileName = "rlin1.txt";

// Longest first line the reader accepts; anything longer is not a hand-off
// file and is reported rather than read whole.
inline constexpr std::size_t kHandOffLineLimit = 64 * 1024;

// Replaces the file in `directory` (the current directory when empty) with the
// single line HandOffLineText gives. Where the directory lets it, a new file is
// written whole and then takes the old one's name and permission bits,
// so a reader never sees an empty or half-written line; a symbolic link in its place is replaced,
// not written through. A file the directory lets no one replace, another user's file and one with
// more than one name are truncated and written in place. A file the user may not write, or one with
// no write permission at all, is left alone. Never blocks: anything but a regular file is reported
// at once. Throws FileFailure ("Cannot write <full path>: <reason>").
void WriteHandOffFile(double ALFA, double BETA, const std::string& directory = {});

// Reads the first two comma-separated fields of the file's first line, as
// text: leading blanks skipped, a field ends at a comma or at the line end, a
// field in double quotes runs to its closing quote. Throws FileNotFound when
// there is no file, InputPastEndOfFile when the line has fewer than two
// fields, FileFailure when it is not a regular file (reported without waiting
// on it), cannot be read or its first line is too long. Reports name the file
// with its full path.
HandOffFields ReadHandOffFields(const std::string& directory = {});

// The field parsing alone, on text already read, is ParseHandOffLine in
// handoffline.h.

} // namespace calc
