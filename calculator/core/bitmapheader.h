#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

// The largest picture the programs read. Their pictures fill a picture box of
// about 585 × 396 pixels; a file that claims more than this is refused before
// any pixel memory is taken for it.
inline constexpr int kMaxPictureSide = 8192;
inline constexpr std::int64_t kMaxPicturePixels = 16 * 1024 * 1024;

// Why a picture of `width` × `height` pixels is too large to read; empty when
// it is not.
std::string PictureTooLarge(std::int64_t width, std::int64_t height);

// What is wrong with a Windows bitmap file, from its first bytes (`header`, up
// to 54 of them) and its size: a header that no bitmap can have (no width, no
// height, planes other than 1, an unknown bit depth), a size beyond the limits
// above, or plain pixel rows that stop before the header says they end.
// Empty when nothing is wrong, or when the bytes are no Windows bitmap.
std::string BitmapProblem(std::string_view header, std::uint64_t fileSize);

} // namespace calc
