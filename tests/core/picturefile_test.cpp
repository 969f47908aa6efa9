#include "core/bitmapheader.h"
#include "core/failure.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A 24-bit bitmap's headers for `width` x `height` pixels.
std::string Header(int width, int height) {
    std::string bytes(calc::kBitmapHeaderSize, '\0');
    const auto put = [&](std::size_t at, std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) {
            bytes[at + i] = static_cast<char>(value >> (8 * i) & 0xff);
        }
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<std::uint32_t>(width), 4);
    put(22, static_cast<std::uint32_t>(height), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    return bytes;
}

struct PictureFileCase {
    const char* name;
    std::string header;
    std::uint64_t size;
    calc::PictureFormats formats;
    const char* reason; // nullptr: the file goes on to the decoder
};

class CheckPictureFile : public testing::TestWithParam<PictureFileCase> {};

TEST_P(CheckPictureFile, RefusesWhatNoBuildDecodes) {
    const PictureFileCase& c = GetParam();
    try {
        calc::CheckPictureFile("C:/pictures/1k.BMP", c.header, c.size, c.formats);
        EXPECT_EQ(c.reason, nullptr);
    } catch (const calc::FileFailure& failure) {
        ASSERT_NE(c.reason, nullptr) << failure.what();
        EXPECT_EQ(failure.what(),
                  std::string("Not a readable picture: C:/pictures/1k.BMP (") + c.reason + ")");
    }
}

constexpr auto kBitmapOnly = calc::PictureFormats::WindowsBitmapOnly;
constexpr auto kAnyFormat = calc::PictureFormats::AnyTheToolkitReads;

INSTANTIATE_TEST_SUITE_P(
    Files, CheckPictureFile,
    testing::Values(PictureFileCase{"whole", Header(2, 2), 54 + 16, kBitmapOnly, nullptr},
                    PictureFileCase{"empty", "", 0, kAnyFormat, "the file is empty"},
                    PictureFileCase{"noBitmap", "GIF89a", 100, kBitmapOnly, "not a Windows bitmap"},
                    PictureFileCase{"otherFormatForTheToolkit", "GIF89a", 100, kAnyFormat, nullptr},
                    PictureFileCase{"headerCutShort", Header(2, 2).substr(0, 16), 16, kAnyFormat,
                                    "the file ends inside its header"},
                    PictureFileCase{"rowsCutShort", Header(2, 2), 54 + 8, kBitmapOnly,
                                    "the file holds 62 bytes, its header needs 70"},
                    PictureFileCase{"tooLarge", Header(9000, 2), 54, kBitmapOnly,
                                    "its header claims 9000 × 2 pixels, more than 8192 on a side"}),
    [](const testing::TestParamInfo<PictureFileCase>& info) { return info.param.name; });

} // namespace
