#include "textnumber.h"

#include "failure.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

namespace calc {

namespace {

// Reads `text`, a number in the C form (-d.ddd...e-x), correctly rounded;
// false when it lies beyond the doubles, too large or too small to be anything
// but zero.
bool ReadScientific(const std::string& text, double& value) {
#if defined(__cpp_lib_to_chars) && !defined(DISH_NUMBERS_BY_C_LIBRARY)
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec != std::errc::result_out_of_range;
#else
    // A C++ library without floating-point from_chars (or a build that does
    // without it): the C library's strtod, which rounds correctly too, given
    // the locale's decimal point.
    std::string local = text;
    std::replace(local.begin(), local.end(), '.', *std::localeconv()->decimal_point);
    errno = 0;
    value = std::strtod(local.c_str(), nullptr);
    return !(errno == ERANGE && (value == 0.0 || std::isinf(value)));
#endif
}

// `x` with 15 significant digits, correctly rounded, in the C form whatever
// the locale: -d.ddddddddddddddde+XX.
std::string WriteScientific(double x) {
    char buf[64];
#if defined(__cpp_lib_to_chars) && !defined(DISH_NUMBERS_BY_C_LIBRARY)
    const auto result = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
    return std::string(buf, result.ptr);
#else
    // The C library's printf rounds correctly as well; only its decimal
    // point may be the locale's.
    const int length = std::snprintf(buf, sizeof buf, "%.14e", x);
    std::string text(buf, static_cast<std::size_t>(std::max(length, 0)));
    const std::size_t point = text.find_first_not_of("-0123456789");
    if (point != std::string::npos && text[point] != 'e') {
        text = text.substr(0, point) + '.' + text.substr(text.find_first_of("0123456789", point));
    }
    return text;
#endif
}

bool isIgnored(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string withoutBlanks(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (!isIgnored(c)) {
            s.push_back(c);
        }
    }
    return s;
}

int digitValue(char c) {
    if (isDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 99;
}

// "&H1F" or "&O17": a whole number in base 16 or 8, up to the first character
// that is not a digit of that base. The bits are gathered exactly, the first
// 64 of them in an integer and the rest only counted (and noted if any is
// set), and rounded to a double once, to the nearest and a tie to even.
double radixNumber(const std::string& s, std::size_t start, int base) {
    const int bitsPerDigit = base == 16 ? 4 : 3;
    constexpr std::uint64_t kTopBit = std::uint64_t{1} << 63;
    // Beyond this many dropped bits the number is far past the largest double.
    constexpr int kDroppedLimit = 2000;
    std::uint64_t leading = 0;
    int dropped = 0;
    bool droppedAnySet = false;
    for (std::size_t i = start; i < s.size(); ++i) {
        const int d = digitValue(s[i]);
        if (d >= base) {
            break;
        }
        for (int bit = bitsPerDigit - 1; bit >= 0; --bit) {
            const bool set = ((d >> bit) & 1) != 0;
            if ((leading & kTopBit) == 0) {
                leading = leading << 1 | (set ? 1 : 0);
            } else {
                dropped = std::min(dropped + 1, kDroppedLimit);
                droppedAnySet = droppedAnySet || set;
            }
        }
    }
    // With 64 bits gathered the conversion drops the lowest 11; setting the
    // lowest one when a dropped bit was set breaks a tie upwards, as the
    // dropped bits make the number more than halfway.
    if (droppedAnySet) {
        leading |= 1;
    }
    const double value = std::ldexp(static_cast<double>(leading), dropped);
    if (std::isinf(value)) {
        throw Overflow();
    }
    return value;
}

// Decimal exponents beyond these cannot be represented at all; checking them
// first keeps absurd exponents ("1E99999999999") from reaching the converter.
constexpr long long kOverflowExponent = 310;
constexpr long long kUnderflowExponent = -400;
constexpr long long kExponentClamp = 1000000000LL;

double decimalNumber(const std::string& s) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    const std::size_t intStart = i;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
    }
    const std::string_view intDigits(s.data() + intStart, i - intStart);
    std::string_view fracDigits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        const std::size_t fracStart = i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
        }
        fracDigits = std::string_view(s.data() + fracStart, i - fracStart);
    }
    if (intDigits.empty() && fracDigits.empty()) {
        return 0.0;
    }

    long long exponent = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        ++i;
        bool negativeExponent = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            negativeExponent = s[i] == '-';
            ++i;
        }
        while (i < s.size() && isDigit(s[i])) {
            if (exponent < kExponentClamp) {
                exponent = exponent * 10 + (s[i] - '0');
            }
            ++i;
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }

    // The significant digits and the decimal exponent of the first of them.
    std::string digits;
    digits.reserve(intDigits.size() + fracDigits.size());
    digits.append(intDigits);
    digits.append(fracDigits);
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    const double zero = negative ? -0.0 : 0.0;
    if (firstNonZero == std::string::npos) {
        return zero;
    }
    const long long leadExponent =
        static_cast<long long>(intDigits.size()) - static_cast<long long>(firstNonZero) + exponent;
    if (leadExponent > kOverflowExponent) {
        throw Overflow();
    }
    if (leadExponent < kUnderflowExponent) {
        return zero;
    }

    std::string normal;
    normal.reserve(digits.size() + 16);
    if (negative) {
        normal.push_back('-');
    }
    normal.push_back(digits[firstNonZero]);
    normal.push_back('.');
    normal.append(digits, firstNonZero + 1);
    normal.push_back('e');
    normal.append(std::to_string(leadExponent - 1));

    double value = 0.0;
    if (!ReadScientific(normal, value)) {
        if (leadExponent > 0) {
            throw Overflow();
        }
        return zero;
    }
    if (std::isinf(value)) {
        throw Overflow();
    }
    return value;
}

} // namespace

double TextToNumber(std::string_view text) {
    const std::string s = withoutBlanks(text);
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') {
            return radixNumber(s, 2, 16);
        }
        if (s[1] == 'O' || s[1] == 'o') {
            return radixNumber(s, 2, 8);
        }
    }
    return decimalNumber(s);
}

std::string NumberToFieldText(double x) {
    if (std::isnan(x)) {
        throw InvalidOperation();
    }
    if (std::isinf(x)) {
        throw Overflow();
    }
    if (x == 0.0) {
        return "0";
    }

    const std::string written = WriteScientific(x);
    const std::string_view sci = written;
    const bool negative = sci.front() == '-';
    const std::string_view body = negative ? sci.substr(1) : sci;
    const std::size_t ePos = body.find('e');
    std::string digits;
    digits.push_back(body[0]);
    digits.append(body.substr(2, ePos - 2));
    const int exponent = std::atoi(std::string(body.substr(ePos + 1)).c_str());
    if (exponent == 308 && std::fabs(x) > 1.79769313486231e308) {
        // Rounded up, the fifteen digits would name a number beyond the
        // largest double and could not be read back; keep them below it.
        digits = "179769313486231";
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }

    std::string text = negative ? "-" : "";
    if (exponent < -5 || exponent >= 15) {
        text.push_back(digits[0]);
        if (digits.size() > 1) {
            text.push_back('.');
            text.append(digits, 1);
        }
        text.push_back('E');
        text.push_back(exponent < 0 ? '-' : '+');
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) {
            text.push_back('0');
        }
        text.append(std::to_string(magnitude));
    } else if (exponent >= 0) {
        const std::size_t intLength = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intLength) {
            text.append(digits);
            text.append(intLength - digits.size(), '0');
        } else {
            text.append(digits, 0, intLength);
            text.push_back('.');
            text.append(digits, intLength);
        }
    } else {
        text.append("0.");
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text.append(digits);
    }
    return text;
}

std::string NumberToText(double x) {
    std::string text = NumberToFieldText(x);
    if (text.front() != '-') {
        text.insert(text.begin(), ' ');
    }
    return text;
}

} // namespace calc
