// The browser build's files: entries of the site's browser storage, kept by
// the page. The page gives the core two calls, storeFile and readStoredFile
// of its script's object `Dish`, and copies texts and bytes into the
// program's memory with newString and newBytes.

#include "failure.h"
#include "fileerror.h"
#include "filereplace.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

namespace {

// Stores `size` bytes under `name` in one step, so that a reader sees the old
// entry or the new one, never part of one. Returns null, or the browser's
// reason for refusing (to be freed).
// The page's script, as JavaScript is written.
// clang-format off
EM_JS(char*, dish_store_file, (const char* name, const char* bytes, int size), {
    const refusal = Dish.storeFile(UTF8ToString(name), HEAPU8.subarray(bytes, bytes + size));
    return refusal === null ? 0 : Dish.newString(refusal);
});

// The entry's first `limit` bytes, with their count in `size` (-1: there is
// no such entry; -2: the browser refuses to read, the reason in the result).
EM_JS(char*, dish_read_stored_file, (const char* name, int limit, int* size), {
    const entry = Dish.readStoredFile(UTF8ToString(name), limit);
    if (entry.missing) {
        HEAP32[size >> 2] = -1;
        return 0;
    }
    if (entry.refusal !== undefined) {
        HEAP32[size >> 2] = -2;
        return Dish.newString(entry.refusal);
    }
    HEAP32[size >> 2] = entry.bytes.length;
    return Dish.newBytes(entry.bytes);
});
// clang-format on

struct FreedWithFree {
    void operator()(char* text) const { std::free(text); }
};
using PageBytes = std::unique_ptr<char, FreedWithFree>;

} // namespace

namespace calc {

void ReplaceFile(const std::string& directory, const std::string& name, std::string_view content) {
    const std::string key = FileInDirectory(directory, name);
    if (const PageBytes refusal{
            dish_store_file(key.c_str(), content.data(), static_cast<int>(content.size()))}) {
        CannotWrite(directory, name, refusal.get());
    }
}

std::string ReadFileStart(const std::string& directory, const std::string& name,
                          std::size_t limit) {
    const std::string key = FileInDirectory(directory, name);
    int size = 0;
    const PageBytes bytes{dish_read_stored_file(key.c_str(), static_cast<int>(limit), &size)};
    if (size == -1) {
        throw FileNotFound(ShownPath(directory, name));
    }
    if (size < 0) {
        CannotRead(directory, name, bytes.get());
    }
    return std::string(bytes.get(), static_cast<std::size_t>(size));
}

std::string AbsolutePath(const std::string& path) {
    return path + " in this site's browser storage";
}

} // namespace calc
