#include "handoff.h"

#include "failure.h"
#include "textnumber.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

namespace calc {

namespace fs = std::filesystem;

namespace {

fs::path handOffPath(const std::string& directory) {
    return directory.empty() ? fs::path(kHandOffFileName) : fs::path(directory) / kHandOffFileName;
}

std::string reason(int error) {
    return std::generic_category().message(error);
}

[[noreturn]] void cannotWrite(const std::string& why) {
    throw FileFailure(std::string("Cannot write ") + kHandOffFileName + ": " + why);
}

[[noreturn]] void cannotRead(const std::string& why) {
    throw FileFailure(std::string("Cannot read ") + kHandOffFileName + ": " + why);
}

bool isReadOnlyFile(const fs::path& target) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(target, ec);
    if (ec || status.type() != fs::file_type::regular) {
        return false;
    }
    const fs::perms writable =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (status.permissions() & writable) == fs::perms::none;
}

// Creates a new file beside the target under a name no one else uses.
std::FILE* createTemporary(const fs::path& target, fs::path& temporary) {
    static std::mt19937_64 random{std::random_device{}()};
    const fs::path directory = target.parent_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name(1, '.');
        name += target.filename().string();
        name += '.';
        name += std::to_string(random() % 1000000000ULL);
        name += ".tmp";
        temporary = directory.empty() ? fs::path(name) : directory / name;
        errno = 0;
        if (std::FILE* file = std::fopen(temporary.string().c_str(), "wbx")) {
            return file;
        }
        if (errno != EEXIST) {
            cannotWrite(reason(errno));
        }
    }
    cannotWrite("no free temporary name");
}

void writeAll(std::FILE* file, const std::string& line, const fs::path& temporary) {
    // No fsync: the rename already keeps readers and a crashing program from
    // ever seeing half a line, and syncing would cost each START milliseconds.
    const bool written =
        std::fwrite(line.data(), 1, line.size(), file) == line.size() && std::fflush(file) == 0;
    const int error = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        cannotWrite(reason(written ? errno : error));
    }
}

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

void WriteHandOffFile(double ALFA, double BETA, const std::string& directory) {
    const std::string line = NumberToFieldText(ALFA) + "," + NumberToFieldText(BETA) + "\r\n";
    const fs::path target = handOffPath(directory);
    if (isReadOnlyFile(target)) {
        cannotWrite("the file is read-only");
    }
    fs::path temporary;
    std::FILE* file = createTemporary(target, temporary);
    writeAll(file, line, temporary);
    std::error_code ec;
    fs::rename(temporary, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        cannotWrite(ec.message());
    }
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

HandOffFields ReadHandOffFields(const std::string& directory) {
    const fs::path path = handOffPath(directory);
    errno = 0;
    std::FILE* file = std::fopen(path.string().c_str(), "rb");
    if (!file) {
        if (errno == ENOENT) {
            throw FileNotFound(kHandOffFileName);
        }
        cannotRead(reason(errno));
    }
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
        cannotRead(reason(error));
    }
    const std::size_t lineLength = content.find_first_of("\r\n");
    if ((lineLength == std::string::npos ? content.size() : lineLength) > kHandOffLineLimit) {
        throw FileFailure(std::string("Bad hand-off file ") + kHandOffFileName +
                          ": its first line is longer than " + std::to_string(kHandOffLineLimit) +
                          " bytes");
    }
    return ParseHandOffLine(content);
}

} // namespace calc
