#include "win32/caption.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

namespace {

// One unit a character, so that the rows read as widths in characters.
int Characters(std::wstring_view text) {
    return static_cast<int>(text.size());
}

TEST(CaptionLines, BreakAtBlanksWhereTheNextWordDoesNotFit) {
    struct Row {
        const wchar_t* caption;
        int width;
        std::vector<std::wstring> lines;
    };
    const Row rows[] = {
        // The last word on a line of its own, whatever blanks led to it.
        {L"     Location                       TV-satellit",
         20,
         {L"     Location", L"TV-satellit"}},
        // Blanks inside a line, leading ones included, place the words.
        {L"  ALFA---azimuth", 20, {L"  ALFA---azimuth"}},
        {L"  You location                      (Tiberias)", 16, {L"  You location", L"(Tiberias)"}},
        {L"a b c d", 3, {L"a b", L"c d"}},
        // A word wider than the label stands alone and is not broken.
        {L"displace- ment", 5, {L"displace-", L"ment"}},
        {L"   ", 10, {}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(win32ui::CaptionLines(row.caption, row.width, Characters), row.lines)
            << std::string(row.caption, row.caption + std::wcslen(row.caption));
    }
}

} // namespace
