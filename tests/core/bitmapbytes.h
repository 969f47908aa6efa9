#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The 54 header bytes of an uncompressed Windows bitmap claiming the given
// size, followed by `pixelBytes` zero bytes of pixel data.
inline std::string BitmapBytes(std::int32_t width, std::int32_t height, std::uint16_t bitsPerPixel,
                               std::size_t pixelBytes, std::uint16_t planes = 1) {
    std::string bytes;
    const auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) {
            bytes += static_cast<char>((value >> (8 * i)) & 0xff);
        }
    };
    bytes += "BM";
    put(static_cast<std::uint32_t>(54 + pixelBytes), 4);
    put(0, 4);
    put(54, 4); // where the pixel rows begin
    put(40, 4); // the info header's size
    put(static_cast<std::uint32_t>(width), 4);
    put(static_cast<std::uint32_t>(height), 4);
    put(planes, 2);
    put(bitsPerPixel, 2);
    put(0, 4); // no compression
    put(0, 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    bytes.append(pixelBytes, '\0');
    return bytes;
}
