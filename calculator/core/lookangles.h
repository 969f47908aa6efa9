#pragma once

namespace calc {

// Dish azimuth and elevation in degrees. ALFA is measured clockwise from north,
// toward the equator where the satellite is: between 90 and 270 for a site
// north of the equator, and from 0 up to 90 or from 270 below 360 for one
// south of it. BETA is negative when the satellite is below the horizon.
struct LookAngles {
    double ALFA = 0.0;
    double BETA = 0.0;
};

// The three angles of a computation, in radians, each rounded to single
// precision as soon as it is formed.
struct SiteAngles {
    float G1 = 0.0f; // site longitude
    float W1 = 0.0f; // site latitude
    float G2 = 0.0f; // satellite longitude
};

// pi as 4 * arctangent(1), worked out when called.
double CalculatorPi();

// degrees * 60 + minutes (no sign handling: -5 and 30 give -270 minutes of
// arc), then pi * minutes / 10800, rounded to the nearest float. Throws
// Overflow when either step leaves the range of its type.
float DegMinToRadians(double degrees, double minutes);

// The azimuth half of the computation (longitude difference, then
// tan(dL) / sin(W1)). A latitude of zero radians throws DivisionByZero, or
// InvalidOperation when the longitude difference is zero too.
double CalcAzimuth(const SiteAngles& angles);

// The elevation half. Independent of the azimuth half; the main window runs it
// second so that the azimuth is on screen before the elevation is worked out.
double CalcElevation(const SiteAngles& angles);

// The whole computation from the six typed numbers: site longitude degrees and
// minutes, site latitude degrees and minutes, satellite longitude degrees and
// minutes. Throws DivisionByZero, Overflow or InvalidOperation at the first
// step that raises one, with no partial result.
LookAngles CalcLookAngles(double siteLonDeg, double siteLonMin, double siteLatDeg,
                          double siteLatMin, double satLonDeg, double satLonMin);

} // namespace calc
