#include "handoff.h"

#include "failure.h"
#include "fileerror.h"
#include "filereplace.h"

namespace calc {

void WriteHandOffFile(double ALFA, double BETA, const std::string& directory) {
    ReplaceFile(directory, kHandOffFileName, HandOffLineText(ALFA, BETA));
}

HandOffFields ReadHandOffFields(const std::string& directory) {
    // One byte past the limit tells a first line that is too long.
    const std::string content = ReadFileStart(directory, kHandOffFileName, kHandOffLineLimit + 1);
    const std::size_t lineLength = content.find_first_of("\r\n");
    if ((lineLength == std::string::npos ? content.size() : lineLength) > kHandOffLineLimit) {
        throw FileFailure("Bad hand-off file " + ShownPath(directory, kHandOffFileName) +
                          ": its first line is longer than " + std::to_string(kHandOffLineLimit) +
                          " bytes");
    }
    return ParseHandOffLine(content);
}

} // namespace calc
