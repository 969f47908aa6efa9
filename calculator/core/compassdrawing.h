#pragma once

#include <cstdint>
#include <string_view>

namespace calc {

class DrawingSurface;
struct Azimuth;

// The compass diagram is a map turned half a turn: south at the top, north at
// the bottom, east on the left, west on the right, azimuths growing clockwise
// on the screen from north. All positions are twips on the compass window's
// client area.

inline constexpr std::int16_t kCompassCentreX = 3020;
inline constexpr std::int16_t kCompassCentreY = 1608;
inline constexpr int kAxisHalfLength = 1500;
inline constexpr int kEndDotRadius = 50;
inline constexpr int kArcRadius = 400;
inline constexpr int kLabelOffsetLeft = 300;
inline constexpr int kLabelOffsetDown = 200;

// The drawing turns degrees into radians with this value for pi.
inline constexpr double kCompassPi = 3.14159;

struct TwipPoint {
    std::int16_t x = 0;
    std::int16_t y = 0;

    friend bool operator==(const TwipPoint&, const TwipPoint&) = default;
};

// The two ends of an axis through the centre: P at `theta` degrees clockwise
// from straight up, Q opposite it.
struct AxisPoints {
    TwipPoint P;
    TwipPoint Q;

    friend bool operator==(const AxisPoints&, const AxisPoints&) = default;
};

AxisPoints AxisEnds(float theta);

// Which of an axis's two labels is drawn first.
enum class FirstLabel { AtP, AtQ };

// One axis: a blue line from P to Q with the current pen width, an end dot at
// P and then at Q, then the two labels, each in red with its top-left corner
// on its end.
void DrawAxis(DrawingSurface& surface, float theta, std::string_view labelP,
              std::string_view labelQ, FirstLabel first);

// The south-north axis at `theta` and the east-west axis at theta - 90.
// A positive angle turns the cross clockwise on the screen.
void DrawCross(DrawingSurface& surface, float theta);

// The blue dot at the centre. Leaves the foreground blue and the pen width 20.
void DrawCentreDot(DrawingSurface& surface);

// The cyan line through the centre along `theta` (displacement plus azimuth),
// with the current pen width. Its end Q points along the azimuth.
void DrawDirectionLine(DrawingSurface& surface, float theta);

// The arc from the direction line counterclockwise back to the north end of
// the displaced cross, sweeping `azimuth` degrees, in the foreground colour.
// Leaves the pen width 2.
void DrawAzimuthArc(DrawingSurface& surface, float displacement, float azimuth);

// "alfa=" and the azimuth's display text, in black, 300 twips left of and
// 200 below the direction line's far end. Leaves the foreground black.
void DrawAzimuthLabel(DrawingSurface& surface, float theta, std::string_view azimuthText);

// What the compass window's START draws, in three parts around its yield and
// its reading of the hand-off file. The displacement is given as the text the
// user typed (TextToNumber, held as a single-precision float).

// Erases the surface and sets plain copy, pen width 1 and solid fill; the
// foreground colour stays as the run before left it.
void ClearDiagram(DrawingSurface& surface);

// The fixed cross with pen width 1, then the cross turned by the displacement
// with pen width 5. A displacement beyond the float range throws Overflow
// after the fixed cross is drawn.
void DrawCrosses(DrawingSurface& surface, std::string_view displacement);

// With pen width 8, the direction line at displacement plus azimuth; then the
// azimuth arc and the azimuth label. Leaves the foreground black and the pen
// width 2.
void DrawDirection(DrawingSurface& surface, std::string_view displacement, const Azimuth& azimuth);

} // namespace calc
