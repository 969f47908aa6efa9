#include "bitmapfile.h"

#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <string>

// What the picture maker writes is read back by Qt's own bitmap reader, pixel
// for pixel.

namespace {

struct Pattern {
    const char* name;
    int width;
    int height;
    // The colour of a pixel, from a small set.
    std::function<QRgb(int x, int y)> colour;
};

QRgb shade(int i) {
    return qRgb(i * 37 % 256, i * 91 % 256, i * 13 % 256);
}

class Rle8BitmapFile : public testing::TestWithParam<Pattern> {};

TEST_P(Rle8BitmapFile, ReadsBackAsDrawn) {
    const Pattern& p = GetParam();
    QImage drawn(p.width, p.height, QImage::Format_RGB32);
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            drawn.setPixel(x, y, p.colour(x, y));
        }
    }
    const QByteArray file = ::Rle8BitmapFile(WithPalette(drawn));
    ASSERT_EQ(file.mid(28, 3), QByteArray("\x08\x00\x01", 3)) << "8 bits, run-length encoded";
    const QImage read = QImage::fromData(file, "BMP");
    ASSERT_EQ(read.size(), drawn.size());
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            ASSERT_EQ(read.pixel(x, y), drawn.pixel(x, y)) << "at " << x << ", " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, Rle8BitmapFile,
    testing::Values(
        // Runs longer than one count byte holds.
        Pattern{"plain", 600, 3, [](int x, int) { return shade(x < 590 ? 1 : 2); }},
        // Literal stretches of odd and even length, padded.
        Pattern{"alternating", 7, 4, [](int x, int y) { return shade((x + y) % 2); }},
        Pattern{"pairs", 11, 2, [](int x, int) { return shade(x / 2); }},
        // Rows too short for a literal stretch.
        Pattern{"oneWide", 1, 5, [](int, int y) { return shade(y); }},
        Pattern{"twoWide", 2, 3, [](int x, int y) { return shade(x + y); }},
        // A stretch of differing pixels longer than one count byte holds.
        Pattern{"longLiteral", 600, 2, [](int x, int y) { return shade((x + y) % 200); }},
        // Single pixels between runs, the way smoothed edges lie.
        Pattern{"mixed", 37, 6,
                [](int x, int y) { return shade((x * x + 3 * y) % 11 < 4 ? 2 : x % 5); }}),
    [](const testing::TestParamInfo<Pattern>& info) { return std::string(info.param.name); });

TEST(WithPalette, MoreThan256ColoursKeepsTheMostUsedExactly) {
    // Paper, and a smoothed band of 400 shades that no 256 colours can hold.
    QImage drawn(400, 20, QImage::Format_RGB32);
    drawn.fill(qRgb(0xf6, 0xf2, 0xe6));
    for (int x = 0; x < 400; ++x) {
        drawn.setPixel(x, 10, qRgb(x / 2, 255 - x / 2, x % 2 * 255));
    }
    const QImage reduced = WithPalette(drawn);
    ASSERT_EQ(reduced.format(), QImage::Format_Indexed8);
    EXPECT_LE(reduced.colorCount(), 256);
    EXPECT_EQ(reduced.pixel(0, 0), qRgb(0xf6, 0xf2, 0xe6));
    EXPECT_EQ(reduced.pixel(399, 19), qRgb(0xf6, 0xf2, 0xe6));
}

} // namespace
