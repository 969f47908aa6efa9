#pragma once

#include "failure.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

// The largest picture the programs read. Their pictures fill a picture box of
// about 585 × 396 pixels; a file that claims more than this is refused before
// any pixel memory is taken for it.
inline constexpr int kMaxPictureSide = 8192;
inline constexpr std::int64_t kMaxPicturePixels = 16 * 1024 * 1024;
// The pixels of the largest such picture at four bytes a pixel, as they are
// decoded; and the largest file that can hold it (no bitmap keeps more than
// four bytes a pixel), with room for its headers and palette.
inline constexpr std::int64_t kMaxPicturePixelBytes = 4 * kMaxPicturePixels;
inline constexpr std::int64_t kMaxPictureFileBytes = kMaxPicturePixelBytes + 64 * 1024;

// The bytes of a Windows bitmap's file and information headers: as much of a
// file's beginning as the checks below read.
inline constexpr std::size_t kBitmapHeaderSize = 54;

// Why a picture of `width` × `height` pixels is too large to read; empty when
// it is not.
std::string PictureTooLarge(std::int64_t width, std::int64_t height);

// What is wrong with a Windows bitmap file, from its first bytes (`header`, up
// to 54 of them) and its size: a header that no bitmap can have (no width, no
// height, planes other than 1, an unknown bit depth), a size beyond the limits
// above, or plain pixel rows that stop before the header says they end.
// Empty when nothing is wrong, or when the bytes are no Windows bitmap.
std::string BitmapProblem(std::string_view header, std::uint64_t fileSize);

// Throws the failure of a picture file that cannot be read (FileFailure):
// "Not a readable picture: <path> (<reason>)".
[[noreturn]] inline void PictureNotReadable(const std::string& path, const std::string& reason) {
    throw FileFailure("Not a readable picture: " + path + " (" + reason + ")");
}

// Which files a front end hands on to its toolkit's decoder: Windows bitmaps
// only, or whatever format the toolkit reads.
enum class PictureFormats { WindowsBitmapOnly, AnyTheToolkitReads };

// The checks every front end makes of a picture file before its pixels are
// decoded, from the file's size and its first bytes (`header`, up to
// kBitmapHeaderSize of them): an empty file, one that is no Windows bitmap
// (where only bitmaps are read), and what BitmapProblem finds, each refused
// with PictureNotReadable.
void CheckPictureFile(const std::string& path, std::string_view header, std::uint64_t size,
                      PictureFormats formats);

} // namespace calc
