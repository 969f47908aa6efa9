#include "bitmap.h"

#include "core/bitmapheader.h"
#include "core/failure.h"
#include "text.h"

#include <string_view>

namespace win32ui {

namespace {

[[noreturn]] void notReadable(const std::string& path, const std::string& reason) {
    throw calc::FileFailure("Not a readable picture: " + path + " (" + reason + ")");
}

// Closes a file handle however the reading ends.
struct FileHandle {
    HANDLE handle;
    ~FileHandle() {
        if (handle != INVALID_HANDLE_VALUE) {
            CloseHandle(handle);
        }
    }
};

} // namespace

std::unique_ptr<Win32Picture> ReadBitmapFile(const std::string& path) {
    const std::wstring wide = Wide(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        throw calc::FileNotFound(path);
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        notReadable(path, "not a file");
    }

    // Read with full sharing, so that no other program is kept from the file.
    const FileHandle file{CreateFileW(wide.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE) {
        notReadable(path, "it cannot be opened");
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.handle, &size) || GetFileType(file.handle) != FILE_TYPE_DISK) {
        notReadable(path, "not a file");
    }
    if (size.QuadPart == 0) {
        notReadable(path, "the file is empty");
    }
    char header[54];
    DWORD got = 0;
    if (!ReadFile(file.handle, header, sizeof header, &got, nullptr)) {
        notReadable(path, "it cannot be read");
    }
    const std::string_view bytes(header, got);
    if (bytes.substr(0, 2) != "BM") {
        notReadable(path, "not a Windows bitmap");
    }
    if (const std::string problem =
            calc::BitmapProblem(bytes, static_cast<std::uint64_t>(size.QuadPart));
        !problem.empty()) {
        notReadable(path, problem);
    }

    auto* bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, wide.c_str(), IMAGE_BITMAP, 0, 0,
                                                   LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!bitmap) {
        notReadable(path, "Windows cannot read it as a bitmap");
    }
    BITMAP shape{};
    GetObjectW(bitmap, sizeof shape, &shape);
    auto picture = std::make_unique<Win32Picture>(bitmap, shape.bmWidth, std::abs(shape.bmHeight));
    if (const std::string tooLarge = calc::PictureTooLarge(picture->width, picture->height);
        !tooLarge.empty()) {
        notReadable(path, tooLarge);
    }
    return picture;
}

} // namespace win32ui
