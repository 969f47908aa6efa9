#include "lookangles.h"

#include "failure.h"
#include "singleprecision.h"

#include <cmath>

namespace calc {

namespace {

// Every step of the computation goes through these, so that the first
// division by zero, overflow or invalid operation ends it. The inputs are
// always finite (the number reader never yields infinity), so a non-finite
// result is the step's own doing.
double checked(double result) {
    if (std::isnan(result)) {
        throw InvalidOperation();
    }
    if (std::isinf(result)) {
        throw Overflow();
    }
    return result;
}

double divide(double numerator, double denominator) {
    if (denominator == 0.0) {
        if (numerator == 0.0) {
            throw InvalidOperation();
        }
        throw DivisionByZero();
    }
    return checked(numerator / denominator);
}

double multiply(double a, double b) {
    return checked(a * b);
}
double add(double a, double b) {
    return checked(a + b);
}
double subtract(double a, double b) {
    return checked(a - b);
}
// A product, not std::pow(a, 2): it is correctly rounded, as a correctly
// rounded power would be, and the same in every build, whereas the C
// library's pow, which an unoptimised build calls, is now and then one unit
// off in the last place.
double square(double a) {
    return multiply(a, a);
}

// The Earth's radius over the geostationary orbit's radius (about
// 6378 km / 42164 km = 0.1513; the calculator has always used 0.1509). With
// cos(g) = cos(dL) cos(W1), the cosine of the angle at the Earth's centre
// between the site and the satellite, the elevation is
// atan((cos(g) - ratio) / sin(g)).
constexpr double kEarthToOrbitRadius = 0.1509;

} // namespace

double CalculatorPi() {
    // Kept out of line and volatile so the value really is worked out at run
    // time, as the calculator has always done, rather than folded in.
    volatile double one = 1.0;
    return checked(4.0 * std::atan(one));
}

float DegMinToRadians(double degrees, double minutes) {
    const double arcMinutes = add(multiply(degrees, 60.0), minutes);
    return ToSingle(divide(multiply(CalculatorPi(), arcMinutes), 10800.0));
}

double CalcAzimuth(const SiteAngles& angles) {
    const double P = CalculatorPi();
    const double dL = subtract(static_cast<double>(angles.G1), static_cast<double>(angles.G2));
    const double W1 = angles.W1;
    const double q = divide(checked(std::tan(dL)), checked(std::sin(W1)));
    const double turn = checked(std::atan(q));
    if (W1 >= 0.0) {
        // North of the equator the satellite lies to the south: 180 degrees
        // plus the arctangent, between 90 and 270.
        return divide(multiply(add(P, turn), 180.0), P);
    }
    // South of it the satellite lies to the north: the arctangent alone,
    // between 270 and 360 or 0 and 90, so that the dish points at it rather
    // than half a turn away. A satellite due north reads 0, never -0.
    double alfa = divide(multiply(turn, 180.0), P);
    if (alfa < 0.0) {
        alfa = add(alfa, 360.0);
    }
    return alfa == 0.0 ? 0.0 : alfa;
}

double CalcElevation(const SiteAngles& angles) {
    const double P = CalculatorPi();
    const double dL = subtract(static_cast<double>(angles.G1), static_cast<double>(angles.G2));
    const double W1 = angles.W1;
    const double N =
        subtract(multiply(checked(std::cos(dL)), checked(std::cos(W1))), kEarthToOrbitRadius);
    const double sinDL2 = square(std::sin(dL));
    const double sinW12 = square(std::sin(W1));
    const double cosDL2 = square(std::cos(dL));
    // sin(g), as sqrt(1 - cos(g)^2) written out.
    const double S = checked(std::sqrt(add(multiply(cosDL2, sinW12), sinDL2)));
    return divide(multiply(checked(std::atan(divide(N, S))), 180.0), P);
}

LookAngles CalcLookAngles(double siteLonDeg, double siteLonMin, double siteLatDeg,
                          double siteLatMin, double satLonDeg, double satLonMin) {
    SiteAngles angles;
    angles.G1 = DegMinToRadians(siteLonDeg, siteLonMin);
    angles.W1 = DegMinToRadians(siteLatDeg, siteLatMin);
    angles.G2 = DegMinToRadians(satLonDeg, satLonMin);
    LookAngles result;
    result.ALFA = CalcAzimuth(angles);
    result.BETA = CalcElevation(angles);
    return result;
}

} // namespace calc
