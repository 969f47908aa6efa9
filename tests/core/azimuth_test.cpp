#include "core/azimuth.h"
#include "core/failure.h"
#include "core/handoff.h"
#include "tempdir.h"

#include <gtest/gtest.h>

namespace {

struct AzimuthCase {
    const char* name;
    const char* line;
    float degrees;
    const char* text;
};

class ReadAzimuthTest : public testing::TestWithParam<AzimuthCase> {};

TEST_P(ReadAzimuthTest, RoundsDownToHalfADegree) {
    TempDir dir;
    dir.write("rlin1.txt", GetParam().line);
    const calc::Azimuth azimuth = calc::ReadAzimuth(dir.str());
    EXPECT_EQ(azimuth.degrees, GetParam().degrees);
    EXPECT_EQ(azimuth.text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReadAzimuthTest,
    testing::Values(AzimuthCase{"fractionBelowHalf", "191.23,40\r\n", 191.0f, " 191"},
                    AzimuthCase{"exactlyHalf", "191.5,40\r\n", 191.5f, " 191.5"},
                    AzimuthCase{"aboveHalf", "191.7,40\r\n", 191.5f, " 191.5"},
                    AzimuthCase{"negativeRoundsDown", "-12.3,0\r\n", -12.5f, "-12.5"},
                    AzimuthCase{"whole", "180,51.8422\r\n", 180.0f, " 180"},
                    AzimuthCase{"asTheMainWindowWritesIt", "217.344292538128,44.8168481749088\r\n",
                                217.0f, " 217"},
                    AzimuthCase{"justBelowTheTop", "269.999,1\r\n", 269.5f, " 269.5"},
                    AzimuthCase{"notANumberCountsAsZero", "abc,1\r\n", 0.0f, " 0"},
                    AzimuthCase{"negativeZeroShowsAsZero", "-0,1\r\n", 0.0f, " 0"},
                    AzimuthCase{"blanksAndQuotes", "  \"104.9\" , -28\r\n", 104.5f, " 104.5"},
                    AzimuthCase{"elevationIsNotUsed", "180,not a number", 180.0f, " 180"}),
    [](const testing::TestParamInfo<AzimuthCase>& info) { return info.param.name; });

struct FailingFile {
    const char* name;
    const char* line;    // nullptr: no file
    const char* message; // "{}" stands for the file's full path
};

class ReadAzimuthFails : public testing::TestWithParam<FailingFile> {};

TEST_P(ReadAzimuthFails, NamesTheFailure) {
    TempDir dir;
    if (GetParam().line) {
        dir.write("rlin1.txt", GetParam().line);
    }
    try {
        calc::ReadAzimuth(dir.str());
        ADD_FAILURE() << "no failure";
    } catch (const calc::Failure& failure) {
        std::string message = GetParam().message;
        if (const std::size_t at = message.find("{}"); at != std::string::npos) {
            message.replace(at, 2, (dir.path() / "rlin1.txt").string());
        }
        EXPECT_EQ(failure.what(), message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadAzimuthFails,
    testing::Values(FailingFile{"noFile", nullptr, "File not found: {}"},
                    FailingFile{"oneField", "180\r\n", "Input past end of file"},
                    FailingFile{"emptyFile", "", "Input past end of file"},
                    FailingFile{"beyondSinglePrecision", "1E39,5\r\n", "Overflow"},
                    FailingFile{"beyondDoublePrecision", "1E400,5\r\n", "Overflow"}),
    [](const testing::TestParamInfo<FailingFile>& info) { return info.param.name; });

TEST(ReadAzimuth, LargestSingleStillReads) {
    TempDir dir;
    dir.write("rlin1.txt", "3.4E38,0\r\n");
    EXPECT_NEAR(calc::ReadAzimuth(dir.str()).degrees, 3.4e38f, 1e32f);
}

TEST(ReadAzimuth, ReadsBackWhatTheMainWindowWrites) {
    TempDir dir;
    calc::WriteHandOffFile(104.466454959066, -28.781934172025, dir.str());
    EXPECT_EQ(calc::ReadAzimuth(dir.str()).text, " 104");
}

TEST(ReadAzimuth, OversizedFileIsReportedNotReadWhole) {
    TempDir dir;
    dir.write("rlin1.txt", std::string(calc::kHandOffLineLimit + 10, '1'));
    EXPECT_THROW(calc::ReadAzimuth(dir.str()), calc::FileFailure);
}

} // namespace
