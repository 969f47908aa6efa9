#include "raster.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace webui {

namespace {

// Where a pixel's centre is taken to lie: nudged towards the bottom right,
// so that a centre on an edge falls inside on one side only.
constexpr double kCentre = 0.5 + 1.0 / 4096;

// The pixels of the box from (left, top) to (right, bottom) whose centres
// `inside` takes, as runs along each row.
template <class Inside>
std::vector<Span> Spans(double left, double top, double right, double bottom, Inside&& inside) {
    std::vector<Span> spans;
    const int x0 = static_cast<int>(std::floor(left)) - 1;
    const int x1 = static_cast<int>(std::ceil(right)) + 1;
    const int y0 = static_cast<int>(std::floor(top)) - 1;
    const int y1 = static_cast<int>(std::ceil(bottom)) + 1;
    for (int y = y0; y <= y1; ++y) {
        int runStart = 0;
        bool inRun = false;
        for (int x = x0; x <= x1 + 1; ++x) {
            const bool in = x <= x1 && inside(x + kCentre, y + kCentre);
            if (in && !inRun) {
                runStart = x;
            } else if (!in && inRun) {
                spans.push_back({runStart, y, x - runStart});
            }
            inRun = in;
        }
    }
    return spans;
}

double DistanceToSegment(double px, double py, double x1, double y1, double x2, double y2) {
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double lengthSquared = dx * dx + dy * dy;
    double t = 0;
    if (lengthSquared > 0) {
        t = std::clamp(((px - x1) * dx + (py - y1) * dy) / lengthSquared, 0.0, 1.0);
    }
    return std::hypot(px - (x1 + t * dx), py - (y1 + t * dy));
}

} // namespace

std::vector<Span> LineSpans(double x1, double y1, double x2, double y2, double width) {
    const double half = width / 2;
    return Spans(std::min(x1, x2) - half, std::min(y1, y2) - half, std::max(x1, x2) + half,
                 std::max(y1, y2) + half, [&](double px, double py) {
                     return DistanceToSegment(px, py, x1, y1, x2, y2) < half;
                 });
}

std::vector<Span> RingSpans(double x, double y, double radius, double width,
                            std::optional<Sweep> part) {
    const double half = width / 2;
    const double outer = radius + half;
    constexpr double kTurn = 2 * std::numbers::pi;
    return Spans(x - outer, y - outer, x + outer, y + outer, [&](double px, double py) {
        if (std::abs(std::hypot(px - x, py - y) - radius) >= half) {
            return false;
        }
        if (!part) {
            return true;
        }
        // Counterclockwise on the screen, whose y runs downwards.
        double angle = std::atan2(y - py, px - x) - part->start;
        angle -= kTurn * std::floor(angle / kTurn);
        return angle <= part->sweep;
    });
}

std::vector<Span> DiscSpans(double x, double y, double radius) {
    return Spans(x - radius, y - radius, x + radius, y + radius,
                 [&](double px, double py) { return std::hypot(px - x, py - y) < radius; });
}

} // namespace webui
