#include "forms/captionlines.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

struct Row {
    const char* name;
    std::string_view caption;
    double width; // in characters
    std::vector<std::string_view> lines;
    double blankWidening = 0; // in characters
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

class BreakCaption : public testing::TestWithParam<Row> {};

TEST_P(BreakCaption, AtBlanksWhereTheNextWordDoesNotFit) {
    const Row& row = GetParam();
    // One unit a character, so that the rows read as widths in characters.
    const auto characters = [](std::string_view piece) { return piece.size(); };
    std::vector<std::string_view> lines;
    for (const forms::CaptionLine& line :
         forms::LabelCaptionLines(row.caption, row.width, row.blankWidening, characters)) {
        lines.push_back(row.caption.substr(line.start, line.length));
    }
    EXPECT_EQ(lines, row.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, BreakCaption,
    testing::Values(
        // The blanks at a break end the line before it, however many.
        Row{"lastWordAlone",
            "     Location                       TV-satellit",
            20,
            {"     Location", "TV-satellit"}},
        Row{"blanksInsideALineKept", "  ALFA---azimuth   x", 20, {"  ALFA---azimuth   x"}},
        Row{"exactFitStays", "ab cd", 5, {"ab cd"}}, Row{"everyLine", "a b c d", 3, {"a b", "c d"}},
        // A word wider than the label stands alone and is not broken.
        Row{"wideWordAlone", "displace- ment", 5, {"displace-", "ment"}},
        // Leading blanks stay with the first word, unless they alone do not
        // fit: then they are a line of their own.
        Row{"leadingBlanksKeepTheFirstWord", "   abcdef gh", 5, {"   abcdef", "gh"}},
        Row{"leadingBlanksWiderThanTheLabel", "      ab cd", 5, {"", "ab cd"}},
        Row{"trailingBlanksDrawNothing", "ab   ", 10, {"ab"}},
        // A caption of blanks only, or none, is one line that draws nothing.
        Row{"blanksOnly", "   ", 10, {""}}, Row{"empty", "", 10, {""}},
        // Widened blanks take their room: a line that fits with the face's
        // own blanks breaks where they are wider.
        Row{"ownBlanksFit", "a b c", 5, {"a b c"}},
        Row{"widenedBlanksBreak", "a b c", 5, {"a b", "c"}, 0.5}),
    [](const testing::TestParamInfo<Row>& info) { return info.param.name; });

} // namespace
