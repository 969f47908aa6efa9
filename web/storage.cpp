// The browser build's files: the site's browser storage (localStorage), one
// entry a file, named as the file. An entry holds the file's bytes, one
// character a byte.

#include "core/failure.h"
#include "core/fileerror.h"
#include "core/filereplace.h"
#include "pagetext.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

namespace {

// Stores `size` bytes under `name` in one step, so that a reader sees the old
// entry or the new one, never part of one. Returns null, or the browser's
// reason for refusing (to be freed).
// The page's script, as JavaScript is written.
// clang-format off
EM_JS(char*, dish_storage_write, (const char* name, const char* bytes, int size), {
    let text = "";
    for (let i = 0; i < size; i += 8192) {
        text += String.fromCharCode.apply(
            null, HEAPU8.subarray(bytes + i, bytes + Math.min(size, i + 8192)));
    }
    try {
        window.localStorage.setItem(UTF8ToString(name), text);
        return 0;
    } catch (e) {
        return Dish.newString(Dish.storageRefusal(e));
    }
});

// The entry's first `limit` bytes, with their count in `size` (-1: there is
// no such entry; -2: the browser refuses to read, the reason in the result).
EM_JS(char*, dish_storage_read, (const char* name, int limit, int* size), {
    let text;
    try {
        text = window.localStorage.getItem(UTF8ToString(name));
    } catch (e) {
        HEAP32[size >> 2] = -2;
        return Dish.newString(Dish.storageRefusal(e));
    }
    if (text === null) {
        HEAP32[size >> 2] = -1;
        return 0;
    }
    const n = Math.min(text.length, limit);
    const bytes = _malloc(n + 1);
    for (let i = 0; i < n; ++i) {
        const code = text.charCodeAt(i);
        if (code > 255) {
            _free(bytes);
            HEAP32[size >> 2] = -2;
            return Dish.newString("it holds characters that are not bytes");
        }
        HEAPU8[bytes + i] = code;
    }
    HEAP32[size >> 2] = n;
    return bytes;
});
// clang-format on

using webui::PageText;

} // namespace

namespace calc {

void ReplaceFile(const std::string& directory, const std::string& name, std::string_view content) {
    const std::string key = FileInDirectory(directory, name);
    if (const PageText refusal{
            dish_storage_write(key.c_str(), content.data(), static_cast<int>(content.size()))}) {
        CannotWrite(directory, name, refusal.get());
    }
}

std::string ReadFileStart(const std::string& directory, const std::string& name,
                          std::size_t limit) {
    const std::string key = FileInDirectory(directory, name);
    int size = 0;
    const PageText bytes{dish_storage_read(key.c_str(), static_cast<int>(limit), &size)};
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
