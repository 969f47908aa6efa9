// Arbitrary bytes as the hand-off file: NUL bytes, no line end, unterminated
// quotes, huge lines. The reader gives two fields or one of its named
// failures; it never crashes and never reads past its limit.
#include "core/failure.h"
#include "core/handoff.h"
#include "core/textnumber.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

const std::filesystem::path& scratchDirectory() {
    static const std::filesystem::path dir = [] {
        auto path = std::filesystem::temp_directory_path() /
                    ("handoff-fuzz-" + std::to_string(std::rand()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return dir;
}

void readFields(const calc::HandOffFields& fields) {
    for (const std::string* field : {&fields.field1, &fields.field2}) {
        try {
            calc::TextToNumber(*field);
        } catch (const calc::Overflow&) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    std::string parsed1;
    try {
        const calc::HandOffFields fields = calc::ParseHandOffLine(content);
        parsed1 = fields.field1;
        readFields(fields);
    } catch (const calc::InputPastEndOfFile&) {
        parsed1 = "\x01past end";
    }

    // The same bytes from a file give the same first field, unless the first
    // line is beyond the reader's limit.
    { std::ofstream(scratchDirectory() / calc::kHandOffFileName, std::ios::binary) << content; }
    try {
        const calc::HandOffFields fields = calc::ReadHandOffFields(scratchDirectory().string());
        if (fields.field1 != parsed1) {
            std::abort();
        }
    } catch (const calc::InputPastEndOfFile&) {
        if (parsed1 != "\x01past end") {
            std::abort();
        }
    } catch (const calc::FileFailure&) {
        const std::size_t end = content.find_first_of("\r\n");
        const std::size_t lineLength = end == std::string::npos ? content.size() : end;
        if (lineLength <= calc::kHandOffLineLimit) {
            std::abort();
        }
    }
    return 0;
}
