#include "handoffline.h"

#include "failure.h"
#include "textnumber.h"

namespace calc {

namespace {

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

std::string HandOffLineText(double ALFA, double BETA) {
    return NumberToFieldText(ALFA) + "," + NumberToFieldText(BETA) + "\r\n";
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

} // namespace calc
