#pragma once

#include <optional>
#include <vector>

namespace webui {

// A run of whole pixels on one row: `length` pixels from (x, y) to the right.
struct Span {
    int x = 0;
    int y = 0;
    int length = 0;
};

// Pixels are unit squares, pixel (x, y) covering x..x+1 and y..y+1, and a
// figure covers the pixels whose centres lie inside it: no smoothing, so
// every pixel takes the figure's colour exactly, and drawing a figure twice
// gives the pixels of drawing it once. Coordinates are pixels, x to the right
// and y downwards. A centre on a figure's very edge is counted on the side
// towards the bottom right only, so that a one-pixel line along a pixel edge
// covers one row, not two.

// A line `width` pixels wide with round ends.
std::vector<Span> LineSpans(double x1, double y1, double x2, double y2, double width);

// The part of the ring around (x, y) whose middle runs at `radius` and which
// is `width` across, counterclockwise on the screen from `start` for `sweep`
// radians (angles from 3 o'clock); the whole ring without an angle. Its ends
// are cut square to the ring.
struct Sweep {
    double start = 0;
    double sweep = 0;
};
std::vector<Span> RingSpans(double x, double y, double radius, double width,
                            std::optional<Sweep> part = std::nullopt);

// A filled disc.
std::vector<Span> DiscSpans(double x, double y, double radius);

} // namespace webui
