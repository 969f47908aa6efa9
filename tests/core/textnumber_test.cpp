#include "core/failure.h"
#include "core/textnumber.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <string>

namespace {

struct Reading {
    const char* name;
    const char* text;
    double value;
};

class TextToNumberReads : public testing::TestWithParam<Reading> {};

// Exactly: the number read is the double nearest to the text's number.
TEST_P(TextToNumberReads, TheNumberAtTheStart) {
    EXPECT_EQ(calc::TextToNumber(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, TextToNumberReads,
    testing::Values(
        Reading{"whole", "35", 35}, Reading{"fraction", "27.69", 27.69},
        Reading{"negative", "-80", -80}, Reading{"plus", "+13", 13},
        Reading{"leadingPeriod", ".5", 0.5}, Reading{"trailingPeriod", "5.", 5},
        Reading{"blanksAround", "  19  ", 19}, Reading{"blanksInsideDigits", "1 2 3.4 5", 123.45},
        Reading{"blankAfterSign", "- 5", -5}, Reading{"tabsAndLineFeeds", "\t4\n2", 42},
        Reading{"exponentE", "1.5E3", 1500}, Reading{"exponentLowerE", "2e-2", 0.02},
        Reading{"exponentD", "1.5D3", 1500}, Reading{"exponentLowerD", "25d-1", 2.5},
        Reading{"exponentPlus", "3E+2", 300}, Reading{"exponentWithoutDigits", "7E", 7},
        Reading{"commaEnds", "27,69", 27}, Reading{"letterEnds", "12abc", 12},
        Reading{"secondPeriodEnds", "1.2.3", 1.2}, Reading{"carriageReturnEnds", "4\r2", 4},
        Reading{"hexUpper", "&HFF", 255}, Reading{"hexLower", "&h1f", 31},
        Reading{"hexEndsAtNonDigit", "&H1G", 1}, Reading{"octal", "&O17", 15},
        Reading{"octalLower", "&o777", 511}, Reading{"octalEndsAtEight", "&O78", 7},
        // 2^57 + 24 and 2^57 + 17: nearer to 2^57 + 32 than to 2^57.
        Reading{"hexBeyond53BitsRoundsToNearest", "&H200000000000018", 0x1.0000000000001p57},
        Reading{"octalBeyond53BitsRoundsToNearest", "&O10000000000000000021", 0x1.0000000000001p57},
        // 2^120 + 2^67 + 1: just past the halfway point, by a bit
        // beyond the first 64.
        Reading{"hexBeyond64BitsRoundsOnce", "&H1000000000000080000000000000001",
                0x1.0000000000001p120},
        Reading{"empty", "", 0}, Reading{"onlyBlanks", "   ", 0}, Reading{"word", "abc", 0},
        Reading{"onlySign", "-", 0}, Reading{"onlyPeriod", ".", 0},
        Reading{"ampersandAlone", "&", 0}, Reading{"tinyUnderflowsToZero", "1E-400", 0},
        Reading{"manyLeadingZeros", "0000000000000000000000012.5", 12.5},
        Reading{"hugeExponentOnZero", "0E999999999999", 0}),
    [](const testing::TestParamInfo<Reading>& info) { return info.param.name; });

TEST(TextToNumber, LargestDoubleStillReads) {
    EXPECT_EQ(calc::TextToNumber("1.7976931348623157E308"), std::numeric_limits<double>::max());
}

TEST(TextToNumber, BeyondTheDoubleRangeIsOverflow) {
    for (const char* text : {"1E309", "-1E999", "1D99999999999999999999", "99999E305",
                             "&H"
                             "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"
                             "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"
                             "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"
                             "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"}) {
        EXPECT_THROW(calc::TextToNumber(text), calc::Overflow) << text;
    }
}

TEST(TextToNumber, OverflowIsNamed) {
    try {
        calc::TextToNumber("1E999");
        FAIL() << "no failure";
    } catch (const calc::Failure& failure) {
        EXPECT_STREQ(failure.what(), "Overflow");
    }
}

struct Display {
    const char* name;
    double value;
    const char* text;
};

class NumberToTextWrites : public testing::TestWithParam<Display> {};

TEST_P(NumberToTextWrites, TheDisplayText) {
    EXPECT_EQ(calc::NumberToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, NumberToTextWrites,
    testing::Values(
        Display{"zero", 0.0, " 0"}, Display{"negativeZero", -0.0, " 0"},
        Display{"wholeHasNoPeriod", 180.0, " 180"}, Display{"negativeWhole", -28.0, "-28"},
        Display{"fifteenDigits", 217.34429253812783, " 217.344292538128"},
        Display{"negativeFifteenDigits", -28.781934172025035, "-28.781934172025"},
        Display{"trailingZerosDropped", 2.5, " 2.5"}, Display{"belowOneKeepsZero", 0.5, " 0.5"},
        Display{"negativeBelowOne", -0.25, "-0.25"},
        Display{"smallStillFixed", 0.00001, " 0.00001"},
        Display{"verySmallExponent", 1.5e-7, " 1.5E-07"},
        Display{"negativeVerySmall", -2e-10, "-2E-10"},
        Display{"largestFixed", 999999999999999.0, " 999999999999999"},
        Display{"roundsUpIntoExponent", 9999999999999999.0, " 1E+16"},
        Display{"large", 1e15, " 1E+15"}, Display{"hugeThreeDigitExponent", 1.5e300, " 1.5E+300"},
        Display{"tinyThreeDigitExponent", 4.9406564584124654e-324, " 4.94065645841247E-324"},
        Display{"roundsToFifteenDigits", 0.1 + 0.2, " 0.3"},
        Display{"largestDoubleStaysReadable", 1.7976931348623157e308, " 1.79769313486231E+308"}),
    [](const testing::TestParamInfo<Display>& info) { return info.param.name; });

TEST(NumberToFieldText, DropsOnlyTheLeadingBlank) {
    EXPECT_EQ(calc::NumberToFieldText(180.0), "180");
    EXPECT_EQ(calc::NumberToFieldText(-28.5), "-28.5");
    EXPECT_EQ(calc::NumberToFieldText(0.0), "0");
}

TEST(NumberToText, NonFiniteValuesAreFailures) {
    EXPECT_THROW(calc::NumberToText(std::numeric_limits<double>::infinity()), calc::Overflow);
    EXPECT_THROW(calc::NumberToText(std::nan("")), calc::InvalidOperation);
}

TEST(NumberToText, ValuesOfFifteenDigitsReadBackExactly) {
    for (double x : {1.5e-7, -2e-10, 1e15, 1.5e300, 0.5, -0.25, 123456789012345.0, 0.1,
                     51.8421855548354, -28.781934172025, 1e-300, 2.2250738585072e-308}) {
        EXPECT_EQ(calc::TextToNumber(calc::NumberToText(x)), x) << calc::NumberToText(x);
    }
}

TEST(NumberToText, TextReadBackWritesTheSameText) {
    // Any double loses digits beyond the fifteenth; what is written, though,
    // reads back to a value that writes the same text again.
    for (double x : {217.34429253812783, 1.0 / 3.0, -2.0 / 3.0e-9, 6.02214076e23,
                     1.7976931348623157e308, 4.9406564584124654e-324}) {
        const std::string text = calc::NumberToText(x);
        EXPECT_EQ(calc::NumberToText(calc::TextToNumber(text)), text);
    }
}

// A comma-decimal locale must not change either rule.
class CommaLocale : public testing::Test {
protected:
    void SetUp() override {
        // The last two are the names Windows' C runtime knows.
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "ru_RU.UTF-8", "ru_RU.utf8",
                                 "German_Germany.1252", "Russian_Russia.1251"}) {
            if (std::setlocale(LC_ALL, name)) {
                m_active = name;
                break;
            }
        }
        if (m_active.empty()) {
            GTEST_SKIP() << "no comma-decimal locale on this machine (de_DE.UTF-8, ru_RU.UTF-8)";
        }
#ifndef _WIN32
        // libstdc++ for Windows has no named C++ locales: there only the C
        // runtime's locale changes.
        std::locale::global(std::locale(m_active));
#endif
    }
    void TearDown() override {
        std::setlocale(LC_ALL, "C");
        std::locale::global(std::locale::classic());
    }
    std::string m_active;
};

TEST_F(CommaLocale, PeriodStaysTheDecimalSeparator) {
    if (std::string(std::localeconv()->decimal_point) == ".") {
        // musl (the browser build's C library) takes every locale's name
        // and keeps the period.
        GTEST_SKIP() << "the C library keeps a period under " << m_active;
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", 0.5);
    ASSERT_STREQ(buf, "0,5") << "the locale " << m_active << " did not take effect";
    EXPECT_EQ(calc::NumberToText(217.5), " 217.5");
    EXPECT_EQ(calc::NumberToText(-1.5e-7), "-1.5E-07");
    EXPECT_DOUBLE_EQ(calc::TextToNumber("27.69"), 27.69);
    EXPECT_DOUBLE_EQ(calc::TextToNumber("27,69"), 27.0);
}

} // namespace
