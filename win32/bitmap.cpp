#include "bitmap.h"

#include "core/bitmapheader.h"
#include "core/failure.h"
#include "text.h"

#include <string_view>

namespace win32ui {

namespace {

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
        calc::PictureNotReadable(path, "not a file");
    }

    // Read with full sharing, so that no other program is kept from the file.
    const FileHandle file{CreateFileW(wide.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE) {
        calc::PictureNotReadable(path, "it cannot be opened");
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.handle, &size) || GetFileType(file.handle) != FILE_TYPE_DISK) {
        calc::PictureNotReadable(path, "not a file");
    }
    char header[calc::kBitmapHeaderSize];
    DWORD got = 0;
    if (size.QuadPart > 0 && !ReadFile(file.handle, header, sizeof header, &got, nullptr)) {
        calc::PictureNotReadable(path, "it cannot be read");
    }
    calc::CheckPictureFile(path, std::string_view(header, got),
                           static_cast<std::uint64_t>(size.QuadPart),
                           calc::PictureFormats::WindowsBitmapOnly);

    auto* bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, wide.c_str(), IMAGE_BITMAP, 0, 0,
                                                   LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!bitmap) {
        calc::PictureNotReadable(path, "Windows cannot read it as a bitmap");
    }
    BITMAP shape{};
    GetObjectW(bitmap, sizeof shape, &shape);
    auto picture = std::make_unique<Win32Picture>(bitmap, shape.bmWidth, std::abs(shape.bmHeight));
    if (const std::string tooLarge = calc::PictureTooLarge(picture->width, picture->height);
        !tooLarge.empty()) {
        calc::PictureNotReadable(path, tooLarge);
    }
    return picture;
}

} // namespace win32ui
