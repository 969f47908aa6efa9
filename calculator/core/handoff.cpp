#include "handoff.h"

#include "failure.h"
#include "fileerror.h"
#include "filereplace.h"

#include <cerrno>
#include <cstdio>

namespace calc {

namespace {

// The first line and whatever follows it in the same reads, up to a little
// past the line limit. Closes the file.
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
        CannotRead(directory, kHandOffFileName, ErrorReason(error));
    }
    return content;
}

} // namespace

void WriteHandOffFile(double ALFA, double BETA, const std::string& directory) {
    ReplaceFile(directory, kHandOffFileName, HandOffLineText(ALFA, BETA));
}

HandOffFields ReadHandOffFields(const std::string& directory) {
    const std::string content =
        readFirstLine(OpenRegularFileForReading(directory, kHandOffFileName), directory);
    const std::size_t lineLength = content.find_first_of("\r\n");
    if ((lineLength == std::string::npos ? content.size() : lineLength) > kHandOffLineLimit) {
        throw FileFailure("Bad hand-off file " + ShownPath(directory, kHandOffFileName) +
                          ": its first line is longer than " + std::to_string(kHandOffLineLimit) +
                          " bytes");
    }
    return ParseHandOffLine(content);
}

} // namespace calc
