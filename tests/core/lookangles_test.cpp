#include "core/failure.h"
#include "core/lookangles.h"
#include "core/textnumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct Case {
    const char* name;
    double siteLonDeg, siteLonMin, siteLatDeg, siteLatMin, satDeg, satMin;
    double ALFA, BETA;
    // The display texts, fifteen significant digits: these digits come only
    // from rounding the three angles to single precision and computing the
    // rest in double precision.
    const char* alfaText;
    const char* betaText;
};

// The default site is Tiberias: 35 degrees 27.69 minutes east, 32 degrees
// 48.5 minutes north.
class LookAnglesFor : public testing::TestWithParam<Case> {};

TEST_P(LookAnglesFor, MatchToFourDecimalsAndFifteenDigits) {
    const Case& c = GetParam();
    const calc::LookAngles r = calc::CalcLookAngles(c.siteLonDeg, c.siteLonMin, c.siteLatDeg,
                                                    c.siteLatMin, c.satDeg, c.satMin);
    EXPECT_NEAR(r.ALFA, c.ALFA, 0.00005);
    EXPECT_NEAR(r.BETA, c.BETA, 0.00005);
    if (c.alfaText) {
        EXPECT_EQ(calc::NumberToText(r.ALFA), c.alfaText);
        EXPECT_EQ(calc::NumberToText(r.BETA), c.betaText);
    }
    // Toward the equator: the southern half of the compass from a northern
    // site, the northern half from a southern one.
    if (c.siteLatDeg * 60 + c.siteLatMin > 0) {
        EXPECT_GT(r.ALFA, 90.0);
        EXPECT_LT(r.ALFA, 270.0);
    } else {
        EXPECT_TRUE(r.ALFA >= 0.0 && r.ALFA < 360.0 && !(r.ALFA > 90.0 && r.ALFA < 270.0));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, LookAnglesFor,
    testing::Values(Case{"sat13", 35, 27.69, 32, 48.5, 13, 0, 217.3443, 44.8168,
                         " 217.344292538128", " 44.8168481749088"},
                    Case{"sat19_12", 35, 27.69, 32, 48.5, 19, 12, 208.2955, 47.9948,
                         " 208.295535284772", " 47.9948442017888"},
                    Case{"sat40East", 35, 27.69, 32, 48.5, 40, 0, 171.6655, 51.5271,
                         " 171.665487897914", " 51.5270700774602"},
                    Case{"satZeroEmptyBoxes", 35, 27.69, 32, 48.5, 0, 0, 232.7398, 36.2093,
                         " 232.739788159839", " 36.2092935044308"},
                    Case{"satMinus30", 35, 27.69, 32, 48.5, -30, 0, 256.1059, 11.9398,
                         " 256.105873205935", " 11.9398212676082"},
                    Case{"satMinus80BelowHorizon", 35, 27.69, 32, 48.5, -80, 0, 104.4665, -28.7819,
                         " 104.466454959066", "-28.781934172025"},
                    Case{"satAtSiteLongitude", 35, 27.69, 32, 48.5, 35, 27.69, 180.0, 51.8422,
                         " 180", " 51.8421855548354"},
                    // A case where the C library's pow(x, 2) is not the
                    // correctly rounded square: the last digit of BETA shows it.
                    Case{"squaresAreCorrectlyRounded", 20, 30.31, 12, 4.0, 79, 36.5, 97.1305,
                         22.1055, " 97.1305422581958", " 22.1055052622365"},
                    // South of the equator the satellite lies to the north.
                    Case{"southernLatitudeWestOfNorth", 35, 27.69, -30, 0, 13, 0, 320.4143, 47.2861,
                         " 320.414253315555", " 47.2860513888373"},
                    Case{"sydneyEastOfNorth", 151, 12.5, -33, -52, 152, 0, 1.4204, 50.6328,
                         " 1.42042325050153", " 50.632760471515"},
                    Case{"southernBelowHorizon", 35, 27.69, -30, 0, -80, 0, 76.6086, -29.4115,
                         " 76.6085750546974", "-29.41150348805"},
                    Case{"southernDueNorth", 35, 27.69, -30, 0, 35, 27.69, 0.0, 55.0396, " 0",
                         " 55.0395971549551"},
                    Case{"northPole", 35, 27.69, 90, 0, 13, 0, 202.4615, -8.5812, nullptr, nullptr},
                    Case{"negativeDegreesPositiveMinutes", -5, 30, 32, 48.5, 13, 0, 149.8043,
                         47.4220, nullptr, nullptr}),
    [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

TEST(LookAngles, SatelliteAtSiteLongitudeIsExactlySouthOrExactlyNorth) {
    EXPECT_EQ(calc::CalcLookAngles(35, 27.69, 32, 48.5, 35, 27.69).ALFA, 180.0);
    const double north = calc::CalcLookAngles(35, 27.69, -30, 0, 35, 27.69).ALFA;
    EXPECT_EQ(north, 0.0);
    EXPECT_FALSE(std::signbit(north)) << "a negative zero would show as -0";
}

// Look angles of a spherical Earth from a textbook, to a tenth of a degree.
TEST(LookAngles, AgreeWithTextbookFiguresInBothHemispheres) {
    struct Figure {
        const char* site;
        double lonDeg, latDeg, satDeg, ALFA, BETA;
    };
    for (const Figure& f : {Figure{"35 N, 100 W; satellite 90 W", -100, 35, -90, 162.9, 48.0},
                            Figure{"20 S, 30 W; satellite 30 E", -30, -20, 30, 78.83, 19.86}}) {
        SCOPED_TRACE(f.site);
        const calc::LookAngles r = calc::CalcLookAngles(f.lonDeg, 0, f.latDeg, 0, f.satDeg, 0);
        EXPECT_NEAR(r.ALFA, f.ALFA, 0.1);
        EXPECT_NEAR(r.BETA, f.BETA, 0.1);
    }
}

TEST(LookAngles, SinglePrecisionAnglesAreUsed) {
    // The same formulas in double precision throughout differ in the
    // seventh significant digit; the calculator's results come from the
    // single-precision angles.
    const double P = 4.0 * std::atan(1.0);
    auto radians = [P](double d, double m) { return P * (d * 60 + m) / 10800; };
    const double dL = radians(35, 27.69) - radians(13, 0);
    const double doubleOnly =
        ((P + std::atan(std::tan(dL) / std::sin(radians(32, 48.5)))) * 180) / P;
    const double alfa = calc::CalcLookAngles(35, 27.69, 32, 48.5, 13, 0).ALFA;
    EXPECT_GT(std::fabs(alfa - doubleOnly), 1e-7);
    EXPECT_NEAR(alfa, doubleOnly, 1e-5);
}

TEST(LookAngles, HalvesAgreeWithTheWhole) {
    const calc::SiteAngles angles{calc::DegMinToRadians(35, 27.69), calc::DegMinToRadians(32, 48.5),
                                  calc::DegMinToRadians(19, 12)};
    const calc::LookAngles whole = calc::CalcLookAngles(35, 27.69, 32, 48.5, 19, 12);
    EXPECT_EQ(calc::CalcAzimuth(angles), whole.ALFA);
    EXPECT_EQ(calc::CalcElevation(angles), whole.BETA);
}

struct RadiansCase {
    double degrees, minutes;
    float expected;
};

TEST(DegMinToRadians, MinutesOfArcWithoutSignHandling) {
    const double P = 4.0 * std::atan(1.0);
    const RadiansCase cases[] = {
        {35, 27.69, static_cast<float>(P * (35 * 60 + 27.69) / 10800)},
        {-5, 30, static_cast<float>(P * -270 / 10800)}, // -4.5 degrees, not -5.5
        {0, 90, static_cast<float>(P * 90 / 10800)},
        {180, 0, static_cast<float>(P)},
        {0, 0, 0.0f},
    };
    for (const RadiansCase& c : cases) {
        EXPECT_EQ(calc::DegMinToRadians(c.degrees, c.minutes), c.expected)
            << c.degrees << " " << c.minutes;
    }
}

TEST(DegMinToRadians, BeyondSinglePrecisionIsOverflow) {
    EXPECT_THROW(calc::DegMinToRadians(1e41, 0), calc::Overflow);
    EXPECT_THROW(calc::DegMinToRadians(0, -1e43), calc::Overflow);
    EXPECT_THROW(calc::DegMinToRadians(1e307, 0), calc::Overflow); // degrees * 60 overflows
    EXPECT_NO_THROW(calc::DegMinToRadians(1e40, 0));               // 1.7E+38 radians still fits
}

struct FailureCase {
    const char* name;
    double siteLonDeg, siteLonMin, siteLatDeg, siteLatMin, satDeg, satMin;
    const char* message;
};

class LookAnglesFail : public testing::TestWithParam<FailureCase> {};

TEST_P(LookAnglesFail, WithTheNamedCondition) {
    const FailureCase& c = GetParam();
    try {
        calc::CalcLookAngles(c.siteLonDeg, c.siteLonMin, c.siteLatDeg, c.siteLatMin, c.satDeg,
                             c.satMin);
        FAIL() << "no failure";
    } catch (const calc::Failure& failure) {
        EXPECT_STREQ(failure.what(), c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Failures, LookAnglesFail,
    testing::Values(
        FailureCase{"equatorDividesByZero", 35, 27.69, 0, 0, 13, 0, "Division by zero"},
        FailureCase{"equatorFromMinutesThatCancel", 35, 27.69, -1, 60, 13, 0, "Division by zero"},
        FailureCase{"latitudeRoundingToZero", 35, 27.69, 0, 1e-50, 13, 0, "Division by zero"},
        FailureCase{"equatorAtSiteLongitudeIsZeroByZero", 13, 0, 0, 0, 13, 0, "Invalid operation"},
        FailureCase{"hugeLongitude", 1e300, 0, 32, 48.5, 13, 0, "Overflow"},
        FailureCase{"hugeSatelliteMinutes", 35, 27.69, 32, 48.5, 0, 1e300, "Overflow"}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

// The main window runs the computation as its two halves; they must give
// exactly what the whole computation gives.
TEST(LookAngles, TheTwoHalvesGiveWhatTheWholeGives) {
    const double inputs[][6] = {
        {35, 27.69, 32, 48.5, 13, 0},
        {35, 27.69, 32, 48.5, -80, 0},
        {-5, 30, -30, 0, 79, 36.5},
        {20, 30.31, 12, 4.0, 79, 36.5},
    };
    for (const auto& in : inputs) {
        const calc::SiteAngles angles{calc::DegMinToRadians(in[0], in[1]),
                                      calc::DegMinToRadians(in[2], in[3]),
                                      calc::DegMinToRadians(in[4], in[5])};
        const calc::LookAngles whole =
            calc::CalcLookAngles(in[0], in[1], in[2], in[3], in[4], in[5]);
        EXPECT_EQ(calc::CalcAzimuth(angles), whole.ALFA) << in[0] << " " << in[2] << " " << in[4];
        EXPECT_EQ(calc::CalcElevation(angles), whole.BETA) << in[0] << " " << in[2] << " " << in[4];
    }
}

} // namespace
