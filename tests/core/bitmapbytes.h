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

// A 3 × 2 Windows bitmap of 8 bits a pixel, its rows run-length encoded, as
// the picture maker writes them: the top row red, red, blue; the bottom row
// blue.
inline std::string Rle8BitmapBytes() {
    // The bottom row first: three of colour 1; then two of colour 0 and one
    // of colour 1; the end of the bitmap.
    const std::string pixels("\x03\x01\x00\x00\x02\x00\x01\x01\x00\x01", 10);
    const std::string palette("\x00\x00\xff\x00\xff\x00\x00\x00", 8); // red, blue
    std::string bytes = BitmapBytes(3, 2, 8, 0);
    bytes.replace(30, 4, std::string("\x01\x00\x00\x00", 4)); // run-length encoded
    bytes += palette + pixels;
    const auto set = [&bytes](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xff);
        }
    };
    set(2, static_cast<std::uint32_t>(bytes.size()));
    set(10, 54 + 8); // the pixels come after the palette
    set(46, 2);      // colours in the palette
    return bytes;
}
