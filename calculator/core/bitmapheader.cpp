#include "bitmapheader.h"

#include <cstdlib>

namespace calc {

namespace {

std::uint32_t u32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}
std::int32_t i32(std::string_view bytes, std::size_t at) {
    return static_cast<std::int32_t>(u32(bytes, at));
}
std::uint16_t u16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      static_cast<unsigned char>(bytes[at + 1]) << 8);
}

bool isBitmapDepth(std::int64_t bitsPerPixel) {
    for (const std::int64_t depth : {1, 4, 8, 16, 24, 32}) {
        if (bitsPerPixel == depth) {
            return true;
        }
    }
    return false;
}

} // namespace

std::string PictureTooLarge(std::int64_t width, std::int64_t height) {
    const std::string claim =
        "its header claims " + std::to_string(width) + " × " + std::to_string(height) + " pixels";
    if (width > kMaxPictureSide || height > kMaxPictureSide) {
        return claim + ", more than " + std::to_string(kMaxPictureSide) + " on a side";
    }
    if (width * height > kMaxPicturePixels) {
        return claim + ", more than " + std::to_string(kMaxPicturePixels) + " pixels in all";
    }
    return {};
}

std::string BitmapProblem(std::string_view header, std::uint64_t fileSize) {
    if (header.substr(0, 2) != "BM") {
        return {};
    }
    const std::string cutShort = "the file ends inside its header";
    if (header.size() < 18) {
        return cutShort;
    }
    const std::uint32_t pixelOffset = u32(header, 10);
    const std::uint32_t infoSize = u32(header, 14);
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::int64_t planes = 0;
    std::int64_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
    if (infoSize == 12) {
        if (header.size() < 26) {
            return cutShort;
        }
        width = u16(header, 18);
        height = u16(header, 20);
        planes = u16(header, 22);
        bitsPerPixel = u16(header, 24);
    } else if (infoSize >= 40) {
        if (header.size() < 54) {
            return cutShort;
        }
        width = i32(header, 18);
        height = i32(header, 22);
        planes = u16(header, 26);
        bitsPerPixel = u16(header, 28);
        compression = u32(header, 30);
    } else {
        return {};
    }
    if (planes != 1) {
        return "its header gives " + std::to_string(planes) + " planes, not 1";
    }
    if (!isBitmapDepth(bitsPerPixel)) {
        return "its header gives a bit depth of " + std::to_string(bitsPerPixel) +
               ", not 1, 4, 8, 16, 24 or 32";
    }
    if (width <= 0) {
        return "its header gives a width of " + std::to_string(width);
    }
    if (height == 0) {
        return "its header gives a height of 0";
    }
    // A negative height only says that the rows run from the top down.
    height = std::abs(height);
    if (std::string tooLarge = PictureTooLarge(width, height); !tooLarge.empty()) {
        return tooLarge;
    }
    // 0 is plain rows, 3 and 6 are plain rows with bit masks; the run-length
    // kinds have no fixed length.
    if (compression != 0 && compression != 3 && compression != 6) {
        return {};
    }
    const std::int64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    const std::uint64_t needed = pixelOffset + static_cast<std::uint64_t>(rowBytes * height);
    if (fileSize < needed) {
        return "the file holds " + std::to_string(fileSize) + " bytes, its header needs " +
               std::to_string(needed);
    }
    return {};
}

void CheckPictureFile(const std::string& path, std::string_view header, std::uint64_t size,
                      PictureFormats formats) {
    if (size == 0) {
        PictureNotReadable(path, "the file is empty");
    }
    if (formats == PictureFormats::WindowsBitmapOnly && header.substr(0, 2) != "BM") {
        PictureNotReadable(path, "not a Windows bitmap");
    }
    if (const std::string problem = BitmapProblem(header.substr(0, kBitmapHeaderSize), size);
        !problem.empty()) {
        PictureNotReadable(path, problem);
    }
}

} // namespace calc
