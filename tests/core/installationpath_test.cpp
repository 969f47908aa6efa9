#include "core/installationpath.h"

#include <gtest/gtest.h>

namespace {

struct PathCase {
    const char* name;
    const char* directory;
    const char* literal;
    // What follows the directory, which is kept as it is: '/' stands for the
    // platform's separator.
    const char* tail;
};

std::string native(std::string path) {
#ifdef _WIN32
    for (char& c : path) {
        c = c == '/' ? '\\' : c;
    }
#endif
    return path;
}

class InstallationPathTest : public testing::TestWithParam<PathCase> {};

TEST_P(InstallationPathTest, JoinsByConcatenation) {
    const PathCase& c = GetParam();
    EXPECT_EQ(calc::InstallationPath(c.directory, c.literal), c.directory + native(c.tail));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InstallationPathTest,
    testing::Values(PathCase{"TitlePicture", "/opt/dish", "\\GDS1ENG.BMP", "/GDS1ENG.BMP"},
                    PathCase{"CaseIsKept", "/opt/dish", "\\1kENG.BMP", "/1kENG.BMP"},
                    PathCase{"RussianName", "/opt/dish", "\\1k.BMP", "/1k.BMP"},
                    PathCase{"NoSeparatorAddedOrRemoved", "/opt/dish/", "\\2k.BMP", "/2k.BMP"},
                    PathCase{"EmptyDirectory", "", "\\3k.BMP", "/3k.BMP"},
                    PathCase{"EveryBackslashOfTheLiteral", "/opt", "\\dish\\3k.BMP",
                             "/dish/3k.BMP"},
                    PathCase{"DirectoryUntouched", "/opt/a b", "\\GDS001.BMP", "/GDS001.BMP"},
                    PathCase{"DirectoryBackslashesKept", "C:\\dish", "\\1k.BMP", "/1k.BMP"}),
    [](const testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });

} // namespace
