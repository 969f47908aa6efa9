#include "core/azimuth.h"
#include "core/compassdrawing.h"
#include "core/failure.h"
#include "recordingsurface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>

using calc::AxisPoints;
using calc::Colour;
using Kind = RecordingSurface::Kind;

namespace calc {
void PrintTo(const TwipPoint& p, std::ostream* out) {
    *out << '(' << p.x << ", " << p.y << ')';
}
void PrintTo(const AxisPoints& a, std::ostream* out) {
    PrintTo(a.P, out);
    *out << " to ";
    PrintTo(a.Q, out);
}
void PrintTo(const Colour& c, std::ostream* out) {
    *out << "rgb(" << int(c.red) << ", " << int(c.green) << ", " << int(c.blue) << ')';
}
} // namespace calc

namespace {

struct AxisCase {
    const char* name;
    float theta;
    AxisPoints ends;
};

class AxisEndsTest : public testing::TestWithParam<AxisCase> {};

TEST_P(AxisEndsTest, GivesTheEnds) {
    EXPECT_EQ(calc::AxisEnds(GetParam().theta), GetParam().ends);
}

INSTANTIATE_TEST_SUITE_P(
    Angles, AxisEndsTest,
    testing::Values(AxisCase{"southUp", 0.0f, {{3020, 108}, {3020, 3108}}},
                    AxisCase{"eastWestOfTheFixedCross", -90.0f, {{1520, 1608}, {4520, 1608}}},
                    AxisCase{"halfTurn", 180.0f, {{3020, 3108}, {3020, 108}}},
                    AxisCase{"quarterTurnClockwise", 90.0f, {{4520, 1608}, {1520, 1608}}},
                    AxisCase{"displacedSouthNorth", -20.0f, {{2507, 198}, {3533, 3018}}},
                    AxisCase{"displacedEastWest", -110.0f, {{1610, 2121}, {4430, 1095}}},
                    AxisCase{"thirtyDegrees", 30.0f, {{3770, 309}, {2270, 2907}}},
                    AxisCase{"directionForAzimuth217", 197.0f, {{2581, 3042}, {3459, 174}}}),
    [](const testing::TestParamInfo<AxisCase>& info) { return info.param.name; });

struct Step {
    Kind kind;
    std::vector<float> at;
    Colour colour;
    std::string text;
};

void expectSteps(const RecordingSurface& surface, const std::vector<Step>& steps) {
    ASSERT_EQ(surface.drawn.size(), steps.size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE("step " + std::to_string(i));
        EXPECT_EQ(surface.drawn[i].kind, steps[i].kind);
        EXPECT_EQ(surface.drawn[i].at, steps[i].at);
        EXPECT_EQ(surface.drawn[i].colour, steps[i].colour);
        EXPECT_EQ(surface.drawn[i].text, steps[i].text);
    }
}

constexpr Colour kDefault = RecordingSurface::kWindowDefault;

TEST(DrawCross, DrawsBothAxesInOrderOnAFreshSurface) {
    RecordingSurface surface;
    calc::DrawCross(surface, 0.0f);
    expectSteps(surface, {
                             {Kind::Line, {3020, 108, 3020, 3108}, calc::kBlue, {}},
                             {Kind::Circle, {3020, 108, 50}, kDefault, {}},
                             {Kind::Circle, {3020, 3108, 50}, kDefault, {}},
                             {Kind::Text, {3020, 108}, calc::kRed, " SOUNT"},
                             {Kind::Text, {3020, 3108}, calc::kRed, "NORTH"},
                             {Kind::Line, {1520, 1608, 4520, 1608}, calc::kBlue, {}},
                             {Kind::Circle, {1520, 1608, 50}, calc::kRed, {}},
                             {Kind::Circle, {4520, 1608, 50}, calc::kRed, {}},
                             {Kind::Text, {4520, 1608}, calc::kRed, "  WEST"},
                             {Kind::Text, {1520, 1608}, calc::kRed, "EAST"},
                         });
    EXPECT_EQ(surface.foreground, calc::kRed);
}

TEST(DrawCross, DisplacedCrossTurnsCounterclockwiseForANegativeAngle) {
    RecordingSurface surface;
    calc::DrawCross(surface, -20.0f);
    const auto texts = surface.of(Kind::Text);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].at, (std::vector<float>{2507, 198}));  // south
    EXPECT_EQ(texts[1].at, (std::vector<float>{3533, 3018})); // north
    EXPECT_EQ(texts[2].at, (std::vector<float>{4430, 1095})); // west
    EXPECT_EQ(texts[3].at, (std::vector<float>{1610, 2121})); // east
}

TEST(DrawCross, UsesTheCallersPenWidthAndFill) {
    RecordingSurface surface;
    surface.setPenWidth(5);
    surface.setFillStyle(calc::FillStyle::Solid);
    calc::DrawCross(surface, -20.0f);
    for (const auto& d : surface.drawn) {
        EXPECT_EQ(d.penWidth, 5);
    }
    for (const auto& d : surface.of(Kind::Circle)) {
        EXPECT_TRUE(d.filled);
    }
    EXPECT_EQ(surface.penWidth, 5);
}

// One START's drawing, as the compass window runs it, without its yield and
// with the azimuth given instead of read from the hand-off file.
void drawWholeDiagram(RecordingSurface& surface, const char* displacement, float azimuth,
                      const std::string& text) {
    calc::ClearDiagram(surface);
    calc::DrawCrosses(surface, displacement);
    calc::DrawCentreDot(surface);
    calc::DrawDirection(surface, displacement, calc::Azimuth{azimuth, text});
}

std::vector<Colour> endDotColours(const RecordingSurface& surface, std::size_t from) {
    std::vector<Colour> colours;
    for (std::size_t i = from; i < surface.drawn.size(); ++i) {
        if (surface.drawn[i].kind == Kind::Circle) {
            colours.push_back(surface.drawn[i].colour);
        }
    }
    return colours;
}

TEST(WholeDiagram, FirstTwoEndDotsTakeTheColourLeftByTheRunBefore) {
    RecordingSurface surface;
    drawWholeDiagram(surface, "-20", 180.0f, " 180");
    const std::vector<Colour> firstRun = endDotColours(surface, 0);
    const std::size_t secondRunStart = surface.drawn.size();
    drawWholeDiagram(surface, "-20", 180.0f, " 180");

    const Colour red = calc::kRed;
    EXPECT_EQ(firstRun, (std::vector<Colour>{kDefault, kDefault, red, red, red, red, red, red}));
    EXPECT_EQ(endDotColours(surface, secondRunStart),
              (std::vector<Colour>{calc::kBlack, calc::kBlack, red, red, red, red, red, red}));
}

TEST(WholeDiagram, EachPartHasItsPenWidthAndTheRunLeavesBlackAndTwo) {
    RecordingSurface surface;
    surface.setPenWidth(7);
    drawWholeDiagram(surface, "-20", 180.0f, " 180");
    ASSERT_EQ(surface.drawn.size(), 25u);
    EXPECT_EQ(surface.drawn[0].kind, Kind::Clear);
    // The fixed cross, then the displaced one: each with two lines, four
    // filled end dots and four labels.
    for (std::size_t i = 1; i < 21; ++i) {
        SCOPED_TRACE("step " + std::to_string(i));
        EXPECT_EQ(surface.drawn[i].penWidth, i <= 10 ? 1 : 5);
        if (surface.drawn[i].kind == Kind::Circle) {
            EXPECT_TRUE(surface.drawn[i].filled);
        }
    }
    EXPECT_EQ(surface.drawn[11].at, (std::vector<float>{2507, 198, 3533, 3018}));
    EXPECT_EQ(surface.foreground, calc::kBlack);
    EXPECT_EQ(surface.penWidth, 2);
}

TEST(WholeDiagram, DirectionArcAndLabelForDisplacementMinus20Azimuth180) {
    RecordingSurface surface;
    drawWholeDiagram(surface, "-20", 180.0f, " 180");
    const auto& last = surface.drawn;
    ASSERT_GE(last.size(), 4u);
    const auto& point = last[last.size() - 4];
    const auto& line = last[last.size() - 3];
    const auto& arc = last[last.size() - 2];
    const auto& label = last[last.size() - 1];

    EXPECT_EQ(point.kind, Kind::Point);
    EXPECT_EQ(point.at, (std::vector<float>{3020, 1608}));
    EXPECT_EQ(point.colour, calc::kBlue);
    EXPECT_EQ(point.penWidth, 20);

    // The far end lies on the south end of the displaced cross.
    EXPECT_EQ(line.kind, Kind::Line);
    EXPECT_EQ(line.at, (std::vector<float>{3533, 3018, 2507, 198}));
    EXPECT_EQ(line.colour, calc::kCyan);
    EXPECT_EQ(line.penWidth, 8);

    EXPECT_EQ(arc.kind, Kind::Arc);
    EXPECT_EQ(arc.colour, calc::kBlue);
    EXPECT_EQ(arc.penWidth, 2);

    EXPECT_EQ(label.kind, Kind::Text);
    EXPECT_EQ(label.at, (std::vector<float>{2207, 398}));
    EXPECT_EQ(label.colour, calc::kBlack);
    EXPECT_EQ(label.text, "alfa= 180");
}

TEST(DrawCentreDot, LeavesBlueAndPenWidthTwenty) {
    RecordingSurface surface;
    calc::DrawCentreDot(surface);
    ASSERT_EQ(surface.drawn.size(), 1u);
    EXPECT_EQ(surface.drawn[0].kind, Kind::Point);
    EXPECT_EQ(surface.foreground, calc::kBlue);
    EXPECT_EQ(surface.penWidth, 20);
}

TEST(DrawDirectionLine, DrawsOnlyTheLineAndChangesNoState) {
    RecordingSurface surface;
    surface.setPenWidth(8);
    calc::DrawDirectionLine(surface, 197.0f);
    ASSERT_EQ(surface.drawn.size(), 1u);
    EXPECT_EQ(surface.drawn[0].at, (std::vector<float>{2581, 3042, 3459, 174}));
    EXPECT_EQ(surface.foreground, kDefault);
    EXPECT_EQ(surface.penWidth, 8);
}

TEST(DrawAzimuthLabel, NegativeAzimuthHasNoBlankAfterTheEqualsSign) {
    RecordingSurface surface;
    calc::DrawAzimuthLabel(surface, 0.0f, "-12.5");
    ASSERT_EQ(surface.drawn.size(), 1u);
    EXPECT_EQ(surface.drawn[0].text, "alfa=-12.5");
    EXPECT_EQ(surface.drawn[0].at, (std::vector<float>{2720, 3308}));
}

struct ArcCase {
    const char* name;
    float displacement;
    float azimuth;
    double startDegrees;
    double endDegrees;
};

class AzimuthArcTest : public testing::TestWithParam<ArcCase> {};

// The surface's angles are true radians.
constexpr double kTurn = 2 * std::numbers::pi;

double toDegrees(float radians) {
    return radians * 360.0 / kTurn;
}

// Whether two angles in radians name the same direction, to within the
// rounding of single-precision angles of a few turns; a turn of 2 x 3.14159
// is 5.3e-6 short.
bool sameDirection(double a, double b) {
    return std::fabs(std::remainder(a - b, kTurn)) < 2.5e-6;
}

TEST_P(AzimuthArcTest, RunsCounterclockwiseBetweenDirectionsInOneTurn) {
    const ArcCase& c = GetParam();
    RecordingSurface surface;
    surface.setForeColour(calc::kBlue);
    calc::DrawAzimuthArc(surface, c.displacement, c.azimuth);
    ASSERT_EQ(surface.drawn.size(), 1u);
    const auto& arc = surface.drawn[0];
    ASSERT_EQ(arc.kind, Kind::Arc);
    EXPECT_EQ(arc.at[0], 3020);
    EXPECT_EQ(arc.at[1], 1608);
    EXPECT_EQ(arc.at[2], 400);
    const float start = arc.at[3];
    const float end = arc.at[4];
    for (float angle : {start, end}) {
        EXPECT_GE(angle, 0.0f);
        EXPECT_LE(angle, static_cast<float>(kTurn));
    }
    // The drawing's degrees are 0.85 millionths short of true ones.
    EXPECT_NEAR(toDegrees(start), c.startDegrees, 2e-3);
    EXPECT_NEAR(toDegrees(end), c.endDegrees, 2e-3);
    // Brought into range by whole turns, each still points where the
    // drawing's own degrees put it.
    const double radiansPerDegree = calc::kCompassPi / 180;
    EXPECT_TRUE(sameDirection(start, (270.0 - c.azimuth - c.displacement) * radiansPerDegree))
        << toDegrees(start);
    EXPECT_TRUE(sameDirection(end, (270.0 - c.displacement) * radiansPerDegree)) << toDegrees(end);
    EXPECT_EQ(arc.colour, calc::kBlue);
    EXPECT_EQ(arc.penWidth, 2);
    EXPECT_EQ(surface.penWidth, 2);
}

INSTANTIATE_TEST_SUITE_P(Cases, AzimuthArcTest,
                         testing::Values(ArcCase{"displacedMinus20", -20, 180, 110, 290},
                                         ArcCase{"noDisplacement", 0, 180, 90, 270},
                                         ArcCase{"startBelowZeroTurnsUp", 100, 200, 330, 170},
                                         ArcCase{"endBeyondOneTurnTurnsDown", -120, 180, 210, 30},
                                         ArcCase{"azimuth191AndAHalf", 0, 191.5f, 78.5, 270},
                                         ArcCase{"manyTurnsOfDisplacement", 720, 180, 90, 270},
                                         ArcCase{"manyTurnsBack", -1080, 90, 180, 270},
                                         // Azimuths from a site south of the equator.
                                         ArcCase{"westOfNorthTheLongWayRound", -20, 320, 330, 290},
                                         ArcCase{"eastOfNorth", 0, 78.5f, 191.5, 270}),
                         [](const testing::TestParamInfo<ArcCase>& info) {
                             return info.param.name;
                         });

TEST(DrawAzimuthArc, HugeDisplacementStillGivesDirectionsInOneTurn) {
    RecordingSurface surface;
    calc::DrawAzimuthArc(surface, 3e38f, 180.0f);
    ASSERT_EQ(surface.drawn.size(), 1u);
    for (float angle : {surface.drawn[0].at[3], surface.drawn[0].at[4]}) {
        EXPECT_TRUE(std::isfinite(angle));
        EXPECT_GE(angle, 0.0f);
        EXPECT_LE(angle, static_cast<float>(kTurn));
    }
}

} // namespace
