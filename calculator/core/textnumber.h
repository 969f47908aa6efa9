#pragma once

#include <string>
#include <string_view>

namespace calc {

// The number at the start of a text, as the input boxes, the displacement box
// and the hand-off file are read: blanks, tabs and line feeds anywhere are
// ignored; an optional sign, digits, a period with a fraction and an exponent
// (E or D, either case) are taken as far as they fit; "&H" and "&O" start a
// hexadecimal or octal whole number. No number gives 0. The period is the only
// decimal separator whatever the locale. A number beyond the range of a double
// throws Overflow.
double TextToNumber(std::string_view text);

// The display text of a number: a leading blank for zero and positive values,
// a minus sign for negative ones, at most 15 significant digits, no trailing
// zeros in the fraction and no period for whole values. Magnitudes below 1 keep
// a zero before the period; below 1E-05 and from 1E+15 on the exponent form
// ("1.5E-07", "1E+15") is used. Always a period, whatever the locale.
std::string NumberToText(double x);

// NumberToText without the leading blank of non-negative values, as the
// hand-off file writes its fields.
std::string NumberToFieldText(double x);

} // namespace calc
