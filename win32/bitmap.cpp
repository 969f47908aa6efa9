#include "bitmap.h"

#include "core/bitmapheader.h"
#include "core/failure.h"
#include "text.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
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

// A 32-bit section holding the pixels of the Windows bitmap file `bytes`
// (already checked); null when GDI cannot decode them.
HBITMAP DecodeBitmap(const std::string& bytes) {
    const auto u32 = [&bytes](std::size_t at) {
        std::uint32_t value = 0;
        std::memcpy(&value, bytes.data() + at, sizeof value);
        return value;
    };
    const std::uint32_t offset = u32(10);
    const std::uint32_t infoSize = u32(14);
    const bool core = infoSize == sizeof(BITMAPCOREHEADER);
    if (offset >= bytes.size() || std::uint64_t{14} + infoSize > offset ||
        (!core && infoSize < sizeof(BITMAPINFOHEADER))) {
        return nullptr;
    }
    LONG width = 0;
    LONG height = 0;
    if (core) {
        BITMAPCOREHEADER header{};
        std::memcpy(&header, bytes.data() + 14, sizeof header);
        width = header.bcWidth;
        height = header.bcHeight;
    } else {
        BITMAPINFOHEADER header{};
        std::memcpy(&header, bytes.data() + 14, sizeof header);
        width = header.biWidth;
        height = std::abs(header.biHeight);
    }
    BITMAPINFO target{};
    target.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    target.bmiHeader.biWidth = width;
    target.bmiHeader.biHeight = height;
    target.bmiHeader.biPlanes = 1;
    target.bmiHeader.biBitCount = 32;
    target.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &target, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (!section) {
        return nullptr;
    }
    // The file's own header, palette and rows; the header is copied so that
    // it lies aligned. GDI wants the size of run-length rows, which other
    // programs often leave at 0: they run to the end of the file.
    std::string info = bytes.substr(14, offset - 14);
    if (!core) {
        auto* header = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
        if ((header->biCompression == BI_RLE8 || header->biCompression == BI_RLE4) &&
            header->biSizeImage == 0) {
            header->biSizeImage = static_cast<DWORD>(bytes.size() - offset);
        }
    }
    HDC dc = CreateCompatibleDC(nullptr);
    const int rows = SetDIBits(dc, section, 0, static_cast<UINT>(height), bytes.data() + offset,
                               reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS);
    DeleteDC(dc);
    if (rows <= 0) {
        DeleteObject(section);
        return nullptr;
    }
    return section;
}

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

    // The whole file, its size now known to be within the limits. GDI
    // decodes its rows (plain or run-length) into a 32-bit section of the
    // picture's size: LoadImage leaves run-length rows undecoded in a section.
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD whole = 0;
    SetFilePointer(file.handle, 0, nullptr, FILE_BEGIN);
    if (!ReadFile(file.handle, bytes.data(), static_cast<DWORD>(bytes.size()), &whole, nullptr) ||
        whole != bytes.size()) {
        calc::PictureNotReadable(path, "it cannot be read");
    }
    HBITMAP bitmap = DecodeBitmap(bytes);
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
