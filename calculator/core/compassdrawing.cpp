#include "compassdrawing.h"

#include "azimuth.h"
#include "drawingsurface.h"
#include "singleprecision.h"
#include "textnumber.h"

#include <cmath>
#include <numbers>
#include <string>

namespace calc {

namespace {

// The drawing surface takes true radians; 3.14159 only turns the drawing's
// degrees into radians, so whole turns are those of the real pi.
constexpr double kFullTurn = 2.0 * std::numbers::pi;

double radians(double degrees) {
    return degrees * kCompassPi / 180.0;
}

// Rounds to the nearest whole number, a half to the even neighbour, whatever
// rounding mode the floating-point unit happens to be in.
std::int16_t roundHalfEven(double value) {
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
        whole += 1.0;
    }
    return static_cast<std::int16_t>(whole);
}

void endDot(DrawingSurface& surface, TwipPoint at) {
    surface.circle(at.x, at.y, kEndDotRadius);
}

void axisLabel(DrawingSurface& surface, TwipPoint at, std::string_view text) {
    surface.setTextPosition(at.x, at.y);
    surface.setForeColour(kRed);
    surface.text(text);
}

// An angle in radians brought into 0 to 2 pi by whole turns.
float NormaliseDirection(float radians) {
    if (radians >= 0.0f && radians <= kFullTurn) {
        return radians;
    }
    double turned = std::fmod(static_cast<double>(radians), kFullTurn);
    if (turned < 0.0) {
        turned += kFullTurn;
    }
    return static_cast<float>(turned);
}

} // namespace

AxisPoints AxisEnds(float theta) {
    const double t = radians(theta);
    const std::int16_t s = roundHalfEven(std::sin(t) * kAxisHalfLength);
    const std::int16_t c = roundHalfEven(std::cos(t) * kAxisHalfLength);
    return {
        {static_cast<std::int16_t>(kCompassCentreX + s),
         static_cast<std::int16_t>(kCompassCentreY - c)},
        {static_cast<std::int16_t>(kCompassCentreX - s),
         static_cast<std::int16_t>(kCompassCentreY + c)},
    };
}

void DrawAxis(DrawingSurface& surface, float theta, std::string_view labelP,
              std::string_view labelQ, FirstLabel first) {
    const AxisPoints ends = AxisEnds(theta);
    surface.line(ends.P.x, ends.P.y, ends.Q.x, ends.Q.y, kBlue);
    endDot(surface, ends.P);
    endDot(surface, ends.Q);
    if (first == FirstLabel::AtP) {
        axisLabel(surface, ends.P, labelP);
        axisLabel(surface, ends.Q, labelQ);
    } else {
        axisLabel(surface, ends.Q, labelQ);
        axisLabel(surface, ends.P, labelP);
    }
}

void DrawCross(DrawingSurface& surface, float theta) {
    DrawAxis(surface, theta, " SOUNT", "NORTH", FirstLabel::AtP);
    const float eastWest = theta - 90.0f;
    DrawAxis(surface, eastWest, "EAST", "  WEST", FirstLabel::AtQ);
}

void DrawCentreDot(DrawingSurface& surface) {
    surface.setForeColour(kBlue);
    surface.setPenWidth(20);
    surface.point(kCompassCentreX, kCompassCentreY);
}

void DrawDirectionLine(DrawingSurface& surface, float theta) {
    const AxisPoints ends = AxisEnds(theta);
    surface.line(ends.P.x, ends.P.y, ends.Q.x, ends.Q.y, kCyan);
}

void DrawAzimuthArc(DrawingSurface& surface, float displacement, float azimuth) {
    // The arc starts at the direction line's far end and ends on the north end
    // of the displaced cross.
    const float alpha1 = ToSingle(radians(270.0 - azimuth - displacement));
    const float alpha2 = ToSingle(alpha1 + radians(azimuth));
    surface.setPenWidth(2);
    surface.arc(kCompassCentreX, kCompassCentreY, kArcRadius, NormaliseDirection(alpha1),
                NormaliseDirection(alpha2));
}

void DrawAzimuthLabel(DrawingSurface& surface, float theta, std::string_view azimuthText) {
    const AxisPoints ends = AxisEnds(theta);
    surface.setTextPosition(static_cast<float>(ends.Q.x - kLabelOffsetLeft),
                            static_cast<float>(ends.Q.y + kLabelOffsetDown));
    surface.setForeColour(kBlack);
    std::string label = "alfa=";
    label += azimuthText;
    surface.text(label);
}

void ClearDiagram(DrawingSurface& surface) {
    surface.clear();
    surface.setPenWidth(1);
    surface.setFillStyle(FillStyle::Solid);
}

void DrawCrosses(DrawingSurface& surface, std::string_view displacement) {
    DrawCross(surface, 0.0f);
    surface.setPenWidth(5);
    DrawCross(surface, ToSingle(TextToNumber(displacement)));
}

void DrawDirection(DrawingSurface& surface, std::string_view displacement, const Azimuth& azimuth) {
    surface.setPenWidth(8);
    const double v = TextToNumber(displacement);
    const float theta = ToSingle(v + azimuth.degrees);
    DrawDirectionLine(surface, theta);
    DrawAzimuthArc(surface, ToSingle(v), azimuth.degrees);
    DrawAzimuthLabel(surface, theta, azimuth.text);
}

} // namespace calc
