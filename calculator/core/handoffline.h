#pragma once

#include <string>

namespace calc {

// The hand-off file's one line, as text: how it is written and how its fields
// are read back. Nothing here touches the disk.

struct HandOffFields {
    std::string field1;
    std::string field2;
};

// "ALFA,BETA\r\n", the numbers as NumberToFieldText writes them.
std::string HandOffLineText(double ALFA, double BETA);

// The first two comma-separated fields of the text's first line: leading
// blanks skipped, a field ends at a comma or at the line end, a field in
// double quotes runs to its closing quote. Throws InputPastEndOfFile when the
// line has fewer than two fields.
HandOffFields ParseHandOffLine(const std::string& content);

} // namespace calc
