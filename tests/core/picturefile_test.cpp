#include "core/bitmapbytes.h"
#include "core/bitmapheader.h"
#include "core/failure.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct PictureFileCase {
    const char* name;
    std::string bytes; // the whole file
    calc::PictureFormats formats;
    const char* reason; // nullptr: the file goes on to the decoder
};

class CheckPictureFile : public testing::TestWithParam<PictureFileCase> {};

TEST_P(CheckPictureFile, RefusesWhatNoBuildDecodes) {
    const PictureFileCase& c = GetParam();
    try {
        calc::CheckPictureFile("C:/pictures/1k.BMP", c.bytes, c.bytes.size(), c.formats);
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
    testing::Values(PictureFileCase{"whole", BitmapBytes(2, 2, 24, 16), kBitmapOnly, nullptr},
                    // Shorter than its rows unpacked, and still whole.
                    PictureFileCase{"runLengthRows", Rle8BitmapBytes(), kBitmapOnly, nullptr},
                    PictureFileCase{"empty", "", kAnyFormat, "the file is empty"},
                    PictureFileCase{"noBitmap", "GIF89a", kBitmapOnly, "not a Windows bitmap"},
                    PictureFileCase{"otherFormatForTheToolkit", "GIF89a", kAnyFormat, nullptr},
                    PictureFileCase{"headerCutShort", BitmapBytes(2, 2, 24, 0).substr(0, 16),
                                    kAnyFormat, "the file ends inside its header"},
                    PictureFileCase{"rowsCutShort", BitmapBytes(2, 2, 24, 8), kBitmapOnly,
                                    "the file holds 62 bytes, its header needs 70"},
                    PictureFileCase{"tooLarge", BitmapBytes(9000, 2, 24, 0), kBitmapOnly,
                                    "its header claims 9000 × 2 pixels, more than 8192 on a side"}),
    [](const testing::TestParamInfo<PictureFileCase>& info) { return info.param.name; });

} // namespace
