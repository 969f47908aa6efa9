#include "forms/geometry.h"

#include <gtest/gtest.h>

namespace {

struct Row {
    const char* name;
    forms::Control control;
    double dpi;
    forms::PixelRect expected;
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

class ControlPixels : public testing::TestWithParam<Row> {};

TEST_P(ControlPixels, EachEdgeRoundedToTheNearestPixelALineCoversBothEnds) {
    const Row& row = GetParam();
    const forms::PixelRect got = forms::ControlPixels(row.control, row.dpi);
    EXPECT_EQ(
        (std::tuple{got.left, got.top, got.width, got.height}),
        (std::tuple{row.expected.left, row.expected.top, row.expected.width, row.expected.height}));
}

INSTANTIATE_TEST_SUITE_P(
    Places, ControlPixels,
    testing::Values(
        Row{"fifteenTwipsAPixel",
            forms::TextBox("T", {360, 1440, 1935, 855}, "", 0),
            96,
            {24, 96, 129, 57}},
        // 1.5 pixels a reference pixel: 7.5 twips a pixel, halves rounded up.
        Row{"at144", forms::TextBox("T", {375, 1440, 1935, 855}, "", 0), 144, {38, 144, 194, 86}},
        Row{"at120Fractions", forms::Button("B", {100, 50, 1000, 20}, "", 0), 120, {8, 4, 83, 2}},
        // Ends given right to left and bottom to top: the same box.
        Row{"lineBothWays", forms::Line("L", {3000, 600, 1200, 600}), 96, {80, 40, 121, 1}},
        Row{"lineDown", forms::Line("L", {1200, 900, 1200, 300}), 192, {160, 40, 1, 81}}),
    [](const testing::TestParamInfo<Row>& info) { return info.param.name; });

} // namespace
