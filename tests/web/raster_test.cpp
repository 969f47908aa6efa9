#include "core/recordedsurface.h"
#include "web/raster.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <numbers>
#include <set>
#include <utility>
#include <vector>

namespace {

using webui::Span;

struct Box {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN; // inclusive
    bool operator==(const Box&) const = default;
};

std::set<std::pair<int, int>> Pixels(const std::vector<Span>& spans) {
    std::set<std::pair<int, int>> pixels;
    for (const Span& span : spans) {
        for (int x = span.x; x < span.x + span.length; ++x) {
            EXPECT_TRUE(pixels.emplace(x, span.y).second) << "pixel covered twice";
        }
    }
    return pixels;
}

Box Bounds(const std::set<std::pair<int, int>>& pixels) {
    Box box;
    for (const auto& [x, y] : pixels) {
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
               std::max(box.bottom, y)};
    }
    return box;
}

constexpr double kPi = std::numbers::pi;

struct Figure {
    const char* what;
    std::vector<Span> spans;
    std::size_t pixels;
    Box bounds;
};

TEST(Raster, FiguresCoverThePixelsWhoseCentresLieInside) {
    const double centre = calc::OnPixelGrid(50.2, 21); // a ring 21 pixels across
    const Figure figures[] = {
        // A one-pixel line along a pixel edge takes one row, its end pixel
        // not drawn, as the desktop's lines.
        {"thin level line", webui::LineSpans(0, 10, 4, 10, 1), 4, {0, 9, 3, 9}},
        {"thin upright line", webui::LineSpans(3, 0, 3, 4, 1), 4, {2, 0, 2, 3}},
        {"three-pixel line", webui::LineSpans(0.5, 5.5, 10.5, 5.5, 3), 39, {-1, 4, 11, 6}},
        {"dot", webui::DiscSpans(10.5, 10.5, 2.5), 21, {8, 8, 12, 12}},
        {"ring", webui::RingSpans(centre, centre, 10, 1), 0, {40, 40, 60, 60}},
        // Counterclockwise on the screen: from 3 o'clock up to 12, the
        // pixels whose centres lie on the ends' lines below and right of them.
        {"quarter arc",
         webui::RingSpans(centre, centre, 10, 1, webui::Sweep{0, kPi / 2}),
         0,
         {50, 40, 60, 49}},
        {"arc across 3 o'clock",
         webui::RingSpans(centre, centre, 10, 1, webui::Sweep{-0.3, 0.6}),
         0,
         {60, 47, 60, 53}},
    };
    for (const Figure& figure : figures) {
        SCOPED_TRACE(figure.what);
        const auto pixels = Pixels(figure.spans);
        if (figure.pixels) {
            EXPECT_EQ(pixels.size(), figure.pixels);
        }
        EXPECT_EQ(Bounds(pixels), figure.bounds);
    }
}

TEST(Raster, RingAndDotOnTheGridAreTheSameOnEverySide) {
    // A ring of a whole radius with its pen, and a dot as wide as a pen.
    for (const auto& [radius, pen] : {std::pair{3, 1}, std::pair{3, 2}, std::pair{10, 1}}) {
        const int extent = 2 * radius + pen;
        SCOPED_TRACE(extent);
        const double c = calc::OnPixelGrid(30.4, extent);
        for (const auto& spans :
             {webui::RingSpans(c, c, radius, pen), webui::DiscSpans(c, c, extent / 2.0)}) {
            const auto pixels = Pixels(spans);
            ASSERT_FALSE(pixels.empty());
            const Box box = Bounds(pixels);
            EXPECT_EQ(box.right - box.left + 1, extent);
            EXPECT_EQ(box.bottom - box.top + 1, extent);
            for (const auto& [x, y] : pixels) {
                // Mirrored left to right, top to bottom and across the diagonal.
                const int mx = box.left + box.right - x;
                const int my = box.top + box.bottom - y;
                EXPECT_TRUE(pixels.count({mx, y}) && pixels.count({x, my}) &&
                            pixels.count({box.left + (y - box.top), box.top + (x - box.left)}))
                    << x << "," << y;
            }
        }
    }
}

} // namespace
