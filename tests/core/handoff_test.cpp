#include "core/failure.h"
#include "core/handoff.h"
#include "core/lookangles.h"
#include "core/textnumber.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>
#include <thread>

#ifndef _WIN32
#include <unistd.h>
#endif
#ifdef __linux__
#include <sys/mount.h>
#endif

namespace fs = std::filesystem;

namespace {

std::string failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& failure) {
        return failure.what();
    }
    return "no failure";
}

struct Line {
    const char* name;
    double ALFA, BETA;
    const char* bytes;
};

class HandOffWrites : public testing::TestWithParam<Line> {};

TEST_P(HandOffWrites, ExactlyOneLine) {
    TempDir dir;
    calc::WriteHandOffFile(GetParam().ALFA, GetParam().BETA, dir.str());
    EXPECT_EQ(dir.read("rlin1.txt"), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, HandOffWrites,
    testing::Values(Line{"southIsWhole", 180.0, 51.842185554835372, "180,51.8421855548354\r\n"},
                    Line{"negativeElevation", 104.46645495906607, -28.781934172025035,
                         "104.466454959066,-28.781934172025\r\n"},
                    Line{"zeroElevation", 200.5, 0.0, "200.5,0\r\n"},
                    Line{"tinyElevation", 190.0, -1.5e-7, "190,-1.5E-07\r\n"}),
    [](const testing::TestParamInfo<Line>& info) { return info.param.name; });

TEST(HandOffFile, ReplacesALongerFileWhole) {
    TempDir dir;
    dir.write("rlin1.txt", "1,2\r\n3,4\r\n" + std::string(10000, 'x'));
    calc::WriteHandOffFile(217.5, 44.25, dir.str());
    EXPECT_EQ(dir.read("rlin1.txt"), "217.5,44.25\r\n");
}

TEST(HandOffFile, LeavesNoTemporaryFilesBehind) {
    TempDir dir;
    calc::WriteHandOffFile(217.5, 44.25, dir.str());
    calc::WriteHandOffFile(218.5, 45.25, dir.str());
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        names.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(names, std::vector<std::string>{"rlin1.txt"});
}

TEST(HandOffFile, ShownValuesReadBack) {
    TempDir dir;
    const calc::LookAngles r = calc::CalcLookAngles(35, 27.69, 32, 48.5, -80, 0);
    calc::WriteHandOffFile(r.ALFA, r.BETA, dir.str());
    const calc::HandOffFields fields = calc::ReadHandOffFields(dir.str());
    EXPECT_EQ(calc::NumberToText(calc::TextToNumber(fields.field1)), calc::NumberToText(r.ALFA));
    EXPECT_EQ(calc::NumberToText(calc::TextToNumber(fields.field2)), calc::NumberToText(r.BETA));
    EXPECT_NEAR(calc::TextToNumber(fields.field1), r.ALFA, 1e-12);
}

TEST(HandOffFile, WritesIntoTheCurrentDirectoryByDefault) {
    TempDir dir;
    const fs::path before = fs::current_path();
    fs::current_path(dir.path());
    calc::WriteHandOffFile(180.0, 1.0);
    const calc::HandOffFields fields = calc::ReadHandOffFields();
    fs::current_path(before);
    EXPECT_EQ(dir.read("rlin1.txt"), "180,1\r\n");
    EXPECT_EQ(fields.field1, "180");
}

#ifndef _WIN32
TEST(HandOffFile, ReadOnlyFileIsNotReplaced) {
    TempDir dir;
    dir.write("rlin1.txt", "1,2\r\n");
    fs::permissions(dir.path() / "rlin1.txt", fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(failureOf([&] { calc::WriteHandOffFile(180, 5, dir.str()); }),
              "Cannot write rlin1.txt: the file is read-only");
    EXPECT_EQ(dir.read("rlin1.txt"), "1,2\r\n");
}

TEST(HandOffFile, UnwritableDirectoryIsReported) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes into any directory";
    }
    TempDir dir;
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(failureOf([&] { calc::WriteHandOffFile(180, 5, dir.str()); }),
              "Cannot write rlin1.txt: Permission denied");
}

TEST(HandOffFile, MissingDirectoryIsReported) {
    TempDir dir;
    EXPECT_EQ(failureOf([&] { calc::WriteHandOffFile(180, 5, (dir.path() / "gone").string()); }),
              "Cannot write rlin1.txt: No such file or directory");
}

TEST(HandOffFile, DirectoryInItsPlaceIsReportedAndKept) {
    TempDir dir;
    fs::create_directory(dir.path() / "rlin1.txt");
    EXPECT_NE(failureOf([&] {
                  calc::WriteHandOffFile(180, 5, dir.str());
              }).find("Cannot write rlin1.txt: "),
              std::string::npos);
    EXPECT_TRUE(fs::is_directory(dir.path() / "rlin1.txt"));
    EXPECT_NE(
        failureOf([&] { calc::ReadHandOffFields(dir.str()); }).find("Cannot read rlin1.txt: "),
        std::string::npos);
}

TEST(HandOffFile, SymbolicLinkIsReplacedNotWrittenThrough) {
    TempDir dir;
    dir.write("elsewhere.txt", "precious\n");
    fs::create_symlink(dir.path() / "elsewhere.txt", dir.path() / "rlin1.txt");
    calc::WriteHandOffFile(180, 5, dir.str());
    EXPECT_FALSE(fs::is_symlink(dir.path() / "rlin1.txt"));
    EXPECT_EQ(dir.read("rlin1.txt"), "180,5\r\n");
    EXPECT_EQ(dir.read("elsewhere.txt"), "precious\n");
}
#endif

#ifdef __linux__
// A tiny tmpfs mounted inside a temporary directory, unmounted again at the
// end. Mounting needs root; where it cannot be had, `skipReason` says why.
class SmallDisk {
public:
    explicit SmallDisk(unsigned long flags = 0) : m_path(m_dir.path() / "disk") {
        fs::create_directory(m_path);
        if (::geteuid() != 0) {
            skipReason = "mounting a small file system needs root";
        } else if (::mount("tmpfs", m_path.c_str(), "tmpfs", flags, "size=8k") != 0) {
            skipReason = std::string("cannot mount a tmpfs here: ") + std::strerror(errno);
        } else {
            m_mounted = true;
        }
    }
    ~SmallDisk() {
        if (m_mounted) {
            ::umount(m_path.c_str());
        }
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    const fs::path& path() const { return m_path; }
    std::string skipReason;

private:
    TempDir m_dir;
    fs::path m_path;
    bool m_mounted = false;
};

TEST(HandOffFile, FullFileSystemIsReportedAndTheOldLineKept) {
    SmallDisk disk;
    if (!disk.skipReason.empty()) {
        GTEST_SKIP() << disk.skipReason;
    }
    calc::WriteHandOffFile(180, 51.8421855548354, disk.path().string());
    {
        // Fill what is left.
        std::ofstream filler(disk.path() / "filler", std::ios::binary);
        const std::string block(4096, 'x');
        for (int i = 0; i < 16 && filler; ++i) {
            filler << block << std::flush;
        }
    }
    EXPECT_EQ(failureOf([&] { calc::WriteHandOffFile(217.5, 44.25, disk.path().string()); }),
              "Cannot write rlin1.txt: No space left on device");
    std::ifstream in(disk.path() / "rlin1.txt", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "180,51.8421855548354\r\n");
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(disk.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"filler", "rlin1.txt"}))
        << "a temporary file was left";
}

TEST(HandOffFile, ReadOnlyFileSystemIsReported) {
    SmallDisk disk(MS_RDONLY);
    if (!disk.skipReason.empty()) {
        GTEST_SKIP() << disk.skipReason;
    }
    EXPECT_EQ(failureOf([&] { calc::WriteHandOffFile(217.5, 44.25, disk.path().string()); }),
              "Cannot write rlin1.txt: Read-only file system");
}
#endif

TEST(HandOffFile, TruncatedToNothingIsPastTheEnd) {
    TempDir dir;
    dir.write("rlin1.txt", "");
    EXPECT_EQ(failureOf([&] { calc::ReadHandOffFields(dir.str()); }), "Input past end of file");
}

TEST(HandOffFile, ReaderNeverSeesAHalfWrittenLine) {
    // One side rewrites the file as fast as it can while the other reads it:
    // every read gives one of the two whole lines.
    TempDir dir;
    // A failure on either side ends both and is reported here, so the writer
    // is always joined.
    calc::WriteHandOffFile(180, 51.5, dir.str());
    std::atomic<bool> stop{false};
    std::string writeFailure;
    std::thread writer([&] {
        writeFailure = failureOf([&] {
            for (int i = 0; !stop; ++i) {
                calc::WriteHandOffFile(i % 2 ? 217.344292538128 : 180,
                                       i % 2 ? 44.8168481749088 : 51.5, dir.str());
            }
        });
    });
    std::set<std::string> seen;
    const std::string readFailure = failureOf([&] {
        for (int reads = 0; reads < 3000; ++reads) {
            const calc::HandOffFields fields = calc::ReadHandOffFields(dir.str());
            seen.insert(fields.field1 + "," + fields.field2);
        }
    });
    stop = true;
    writer.join();
    EXPECT_EQ(readFailure, "no failure");
    EXPECT_EQ(writeFailure, "no failure");
    const std::set<std::string> whole = {"180,51.5", "217.344292538128,44.8168481749088"};
    for (const std::string& line : seen) {
        EXPECT_TRUE(whole.count(line)) << "read a broken line: " << line;
    }
}

struct Parse {
    const char* name;
    std::string content;
    std::string field1;
    std::string field2;
};

class HandOffParses : public testing::TestWithParam<Parse> {};

TEST_P(HandOffParses, TheFirstTwoFields) {
    const calc::HandOffFields fields = calc::ParseHandOffLine(GetParam().content);
    EXPECT_EQ(fields.field1, GetParam().field1);
    EXPECT_EQ(fields.field2, GetParam().field2);
}

INSTANTIATE_TEST_SUITE_P(Fields, HandOffParses,
                         testing::Values(Parse{"asWritten", "217.5,44.25\r\n", "217.5", "44.25"},
                                         Parse{"noLineEnd", "217.5,44.25", "217.5", "44.25"},
                                         Parse{"leadingBlanks", "   191.23 ,  7", "191.23", "7"},
                                         Parse{"thirdFieldIgnored", "1,2,3\r\n", "1", "2"},
                                         Parse{"onlyFirstLine", "1,2\r\n3,4\r\n", "1", "2"},
                                         Parse{"lineFeedOnly", "1,2\n", "1", "2"},
                                         Parse{"emptySecondField", "180,\r\n", "180", ""},
                                         Parse{"quoted", "\"19,1\",\"5\"\r\n", "19,1", "5"},
                                         Parse{"quotedThenPlain", "\"191\" ,5", "191", "5"},
                                         Parse{"nulBytesKept",
                                               std::string("1\0"
                                                           "2,3",
                                                           5),
                                               std::string("1\0"
                                                           "2",
                                                           3),
                                               "3"}),
                         [](const testing::TestParamInfo<Parse>& info) { return info.param.name; });

TEST(HandOffFile, FewerThanTwoFieldsIsPastEnd) {
    for (const char* content :
         {"", "\r\n", "180", "180\r\n51,5\r\n", "\"180,51\"\r\n", "\"191,5"}) {
        EXPECT_EQ(failureOf([&] { calc::ParseHandOffLine(content); }), "Input past end of file")
            << content;
    }
}

TEST(HandOffFile, MissingFileIsNotFound) {
    TempDir dir;
    EXPECT_EQ(failureOf([&] { calc::ReadHandOffFields(dir.str()); }), "File not found: rlin1.txt");
}

TEST(HandOffFile, FirstLineBeyondTheLimitIsABadFile) {
    TempDir dir;
    dir.write("rlin1.txt", std::string(calc::kHandOffLineLimit + 1, '7') + ",5\r\n");
    EXPECT_EQ(failureOf([&] { calc::ReadHandOffFields(dir.str()); }),
              "Bad hand-off file rlin1.txt: its first line is longer than 65536 bytes");
}

TEST(HandOffFile, LongFileWithAShortFirstLineReads) {
    TempDir dir;
    dir.write("rlin1.txt", "191.5,3\r\n" + std::string(10 * calc::kHandOffLineLimit, 'x'));
    EXPECT_EQ(calc::ReadHandOffFields(dir.str()).field1, "191.5");
}

TEST(HandOffFile, FirstLineJustAtTheLimitReads) {
    TempDir dir;
    const std::string line = std::string(calc::kHandOffLineLimit - 2, '1') + ",5";
    dir.write("rlin1.txt", line);
    EXPECT_EQ(calc::ReadHandOffFields(dir.str()).field2, "5");
}

} // namespace
