#include "core/failure.h"
#include "core/handoff.h"
#include "core/lookangles.h"
#include "core/textnumber.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <set>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
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
    calc::HandOffFields fields;
    {
        const InWorkingDirectory inDir(dir.path());
        calc::WriteHandOffFile(180.0, 1.0);
        fields = calc::ReadHandOffFields();
    }
    EXPECT_EQ(dir.read("rlin1.txt"), "180,1\r\n");
    EXPECT_EQ(fields.field1, "180");
}

std::vector<std::string> namesIn(const fs::path& directory) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(directory, ec)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

#ifndef _WIN32
// Who runs START in a row of the table below: the test's own user (root in
// CI), or one without privileges: nobody where the test runs as root.
enum class Who { Self, Unprivileged };

const passwd& nobody() {
    static const passwd user = [] {
        const passwd* found = ::getpwnam("nobody");
        passwd fallback{};
        fallback.pw_uid = 65534;
        fallback.pw_gid = 65534;
        return found ? *found : fallback;
    }();
    return user;
}

// Where the test runs as root, hands `path` to the unprivileged writer.
void giveToUnprivileged(const fs::path& path) {
    if (::geteuid() == 0) {
        EXPECT_EQ(::lchown(path.c_str(), nobody().pw_uid, nobody().pw_gid), 0) << path;
    }
}

struct Outcome {
    std::string write; // START's failure, or "no failure"
    std::string read;  // then the reader's first field, or its failure
    bool blocked = false;
};

// Runs START (writing "180,5") and then the reader in a child process, as
// `who` and under the umask 027. A child that has not finished within five
// seconds is killed, and the outcome says it blocked.
Outcome startInChild(Who who, const fs::path& directory) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        return {"no pipe", "", false};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        if (who == Who::Unprivileged && ::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(nobody().pw_gid) != 0 ||
             ::setuid(nobody().pw_uid) != 0)) {
            ::_exit(1);
        }
        ::umask(027);
        std::string report = failureOf([&] { calc::WriteHandOffFile(180, 5, directory); });
        std::string field;
        const std::string readFailure =
            failureOf([&] { field = calc::ReadHandOffFields(directory).field1; });
        report += '\n' + (readFailure == "no failure" ? field : readFailure);
        const bool sent = ::write(pipeEnds[1], report.data(), report.size()) ==
                          static_cast<ssize_t>(report.size());
        ::_exit(sent ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    std::string report;
    bool blocked = false;
    pollfd waiting{pipeEnds[0], POLLIN, 0};
    for (char buffer[512];;) {
        if (::poll(&waiting, 1, 5000) <= 0) {
            blocked = true;
            break;
        }
        const ssize_t got = ::read(pipeEnds[0], buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        report.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(pipeEnds[0]);
    if (blocked) {
        ::kill(child, SIGKILL);
    }
    ::waitpid(child, nullptr, 0);
    const std::size_t split = report.find('\n');
    if (split == std::string::npos) {
        return {"child ended without a report", "", blocked};
    }
    return {report.substr(0, split), report.substr(split + 1), blocked};
}

constexpr const char* kOldContent = "1,2\r\n3,4\r\n";
constexpr const char* kNewContent = "180,5\r\n";

const fs::perms kOwnerReadWrite = fs::perms::owner_read | fs::perms::owner_write;

void makeFile(const fs::path& path, const std::string& content, fs::perms mode) {
    std::ofstream(path, std::ios::binary) << content;
    fs::permissions(path, mode);
}

// What lies in the working directory `d` before START, made by the test's own
// user (root in CI).
using Layout = std::function<void(const fs::path& d)>;

struct WriteRow {
    const char* name;
    Who who;
    bool needsRoot; // for a file of another user than the writer, or a device
    Layout before;
    const char* reason;  // nullptr: START succeeds
    fs::file_type type;  // of rlin1.txt afterwards
    const char* content; // of rlin1.txt afterwards, read through a link; nullptr: not read
    fs::perms mode;      // permission bits afterwards; unknown: not checked
    const char* reads;   // the reader's first field, or "{}" for its failure
    std::vector<std::string> names;
    Layout after = [](const fs::path&) {};
};

void PrintTo(const WriteRow& row, std::ostream* out) {
    *out << row.name;
}

class HandOffStart : public testing::TestWithParam<WriteRow> {};

// Every row also holds that START never blocks and never changes the owner
// of what lies under the name.
TEST_P(HandOffStart, AsTheTableSays) {
    const WriteRow& row = GetParam();
    if (row.needsRoot && ::geteuid() != 0) {
        GTEST_SKIP() << "making another user's file or a device needs root";
    }
    TempDir top;
    const fs::path d = top.path() / "work";
    fs::create_directory(d);
    if (row.who == Who::Unprivileged) {
        giveToUnprivileged(d);
    }
    row.before(d);
    const fs::path file = d / "rlin1.txt";
    struct stat before {};
    const bool existed = ::lstat(file.c_str(), &before) == 0;

    const Outcome outcome = startInChild(row.who, d);

    std::error_code ignored;
    fs::permissions(d, fs::perms::owner_all, fs::perm_options::add, ignored);
    ASSERT_FALSE(outcome.blocked) << "START or the reader blocked";
    EXPECT_EQ(outcome.write, row.reason ? "Cannot write " + file.string() + ": " + row.reason
                                        : std::string("no failure"));
    const std::string readFailure = row.type == fs::file_type::not_found
                                        ? "File not found: " + file.string()
                                        : "Cannot read " + file.string() + ": not a regular file";
    EXPECT_EQ(outcome.read, std::string(row.reads) == "{}" ? readFailure : row.reads);
    const fs::file_status after = fs::symlink_status(file);
    EXPECT_EQ(after.type(), row.type);
    if (row.content) {
        std::ifstream in(file, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), row.content);
    }
    if (row.mode != fs::perms::unknown) {
        EXPECT_EQ(after.permissions(), row.mode);
    }
    struct stat now {};
    if (existed && ::lstat(file.c_str(), &now) == 0) {
        EXPECT_EQ(now.st_uid, before.st_uid) << "the owner changed";
    }
    EXPECT_EQ(namesIn(d), row.names);
    row.after(d);
}

const fs::perms kUnwritableDirectory = fs::perms::owner_read | fs::perms::owner_exec |
                                       fs::perms::group_read | fs::perms::group_exec |
                                       fs::perms::others_read | fs::perms::others_exec;

void unwritableDirectory(const fs::path& d) {
    fs::permissions(d, kUnwritableDirectory);
}

void writersFile(const fs::path& d) {
    makeFile(d / "rlin1.txt", kOldContent, fs::perms::owner_read | fs::perms::owner_write);
    giveToUnprivileged(d / "rlin1.txt");
}

void linkToElsewhere(const fs::path& d) {
    makeFile(d / "elsewhere.txt", kOldContent,
             kOwnerReadWrite | fs::perms::group_read | fs::perms::others_read);
    fs::create_symlink(d / "elsewhere.txt", d / "rlin1.txt");
}

void elsewhereUntouched(const fs::path& d) {
    std::ifstream in(d / "elsewhere.txt", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), kOldContent);
}

const fs::perms kAny = fs::perms::unknown;
using Type = fs::file_type;

INSTANTIATE_TEST_SUITE_P(
    Cases, HandOffStart,
    testing::Values(
        WriteRow{"absentIsCreatedWithTheBitsOfANewFile",
                 Who::Self,
                 false,
                 [](const fs::path&) {},
                 nullptr,
                 Type::regular,
                 kNewContent,
                 fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read,
                 "180",
                 {"rlin1.txt"}},
        WriteRow{"fileIsReplacedAndKeepsItsBits",
                 Who::Self,
                 false,
                 [](const fs::path& d) {
                     makeFile(d / "rlin1.txt", kOldContent + std::string(10000, 'x'),
                              kOwnerReadWrite);
                 },
                 nullptr,
                 Type::regular,
                 kNewContent,
                 kOwnerReadWrite,
                 "180",
                 {"rlin1.txt"}},
        WriteRow{"fileInADirectoryThatTakesNoNewFileIsWrittenInPlace",
                 Who::Unprivileged,
                 false,
                 [](const fs::path& d) {
                     writersFile(d);
                     unwritableDirectory(d);
                 },
                 nullptr,
                 Type::regular,
                 kNewContent,
                 kOwnerReadWrite,
                 "180",
                 {"rlin1.txt"}},
        WriteRow{"othersFileInAStickyDirectoryIsWrittenInPlace",
                 Who::Unprivileged,
                 true,
                 [](const fs::path& d) {
                     fs::permissions(d, fs::perms::all | fs::perms::sticky_bit);
                     ::lchown(d.c_str(), 0, 0);
                     makeFile(d / "rlin1.txt", kOldContent,
                              fs::perms::owner_read | fs::perms::owner_write |
                                  fs::perms::group_read | fs::perms::group_write |
                                  fs::perms::others_read | fs::perms::others_write);
                 },
                 nullptr,
                 Type::regular,
                 kNewContent,
                 kAny,
                 "180",
                 {"rlin1.txt"}},
        WriteRow{
            "temporaryLeftByAKilledStartIsRemoved",
            Who::Self,
            false,
            [](const fs::path& d) { makeFile(d / ".rlin1.txt.tmp", kNewContent, kOwnerReadWrite); },
            nullptr,
            Type::regular,
            kNewContent,
            kAny,
            "180",
            {"rlin1.txt"}},
        WriteRow{"everyNameOfTheFileShowsTheNewLine",
                 Who::Self,
                 false,
                 [](const fs::path& d) {
                     makeFile(d / "rlin1.txt", kOldContent, kOwnerReadWrite);
                     fs::create_hard_link(d / "rlin1.txt", d / "other.txt");
                 },
                 nullptr,
                 Type::regular,
                 kNewContent,
                 kAny,
                 "180",
                 {"other.txt", "rlin1.txt"},
                 [](const fs::path& d) {
                     EXPECT_TRUE(fs::equivalent(d / "other.txt", d / "rlin1.txt"));
                 }},
        WriteRow{"othersFileTheUserMayNotWriteIsKept",
                 Who::Unprivileged,
                 true,
                 [](const fs::path& d) {
                     fs::permissions(d, fs::perms::all);
                     makeFile(d / "rlin1.txt", kOldContent,
                              fs::perms::owner_read | fs::perms::owner_write |
                                  fs::perms::group_read | fs::perms::others_read);
                 },
                 "permission denied",
                 Type::regular,
                 kOldContent,
                 kAny,
                 "1",
                 {"rlin1.txt"}},
        WriteRow{"ownFileTheOwnerMayNotWriteIsKept",
                 Who::Unprivileged,
                 false,
                 [](const fs::path& d) {
                     makeFile(d / "rlin1.txt", kOldContent,
                              fs::perms::owner_read | fs::perms::group_read |
                                  fs::perms::group_write | fs::perms::others_write);
                     giveToUnprivileged(d / "rlin1.txt");
                 },
                 "permission denied",
                 Type::regular,
                 kOldContent,
                 kAny,
                 "1",
                 {"rlin1.txt"}},
        WriteRow{"fileWithNoWriteBitIsKeptEvenByRoot",
                 Who::Self,
                 false,
                 [](const fs::path& d) {
                     makeFile(d / "rlin1.txt", kOldContent,
                              fs::perms::owner_read | fs::perms::group_read);
                 },
                 "the file is read-only",
                 Type::regular,
                 kOldContent,
                 kAny,
                 "1",
                 {"rlin1.txt"}},
        WriteRow{"symbolicLinkIsReplacedNotWrittenThrough",
                 Who::Self,
                 false,
                 linkToElsewhere,
                 nullptr,
                 Type::regular,
                 kNewContent,
                 kAny,
                 "180",
                 {"elsewhere.txt", "rlin1.txt"},
                 elsewhereUntouched},
        WriteRow{"symbolicLinkInADirectoryThatTakesNoNewFileIsKept",
                 Who::Unprivileged,
                 false,
                 [](const fs::path& d) {
                     linkToElsewhere(d);
                     unwritableDirectory(d);
                 },
                 "permission denied",
                 Type::symlink,
                 kOldContent,
                 kAny,
                 "1",
                 {"elsewhere.txt", "rlin1.txt"},
                 elsewhereUntouched},
        WriteRow{"noFileInADirectoryThatTakesNoNewFile",
                 Who::Unprivileged,
                 false,
                 unwritableDirectory,
                 "permission denied",
                 Type::not_found,
                 nullptr,
                 kAny,
                 "{}",
                 {}},
        WriteRow{"noDirectory",
                 Who::Self,
                 false,
                 [](const fs::path& d) { fs::remove(d); },
                 "no such file or directory",
                 Type::not_found,
                 nullptr,
                 kAny,
                 "{}",
                 {}},
        WriteRow{"directory",
                 Who::Self,
                 false,
                 [](const fs::path& d) { fs::create_directory(d / "rlin1.txt"); },
                 "not a regular file",
                 Type::directory,
                 nullptr,
                 kAny,
                 "{}",
                 {"rlin1.txt"}},
        WriteRow{"fifo",
                 Who::Self,
                 false,
                 [](const fs::path& d) { ASSERT_EQ(::mkfifo((d / "rlin1.txt").c_str(), 0666), 0); },
                 "not a regular file",
                 Type::fifo,
                 nullptr,
                 kAny,
                 "{}",
                 {"rlin1.txt"}},
        WriteRow{"socket",
                 Who::Self,
                 false,
                 [](const fs::path& d) {
                     sockaddr_un address{};
                     address.sun_family = AF_UNIX;
                     const std::string path = (d / "rlin1.txt").string();
                     ASSERT_LT(path.size(), sizeof address.sun_path);
                     std::strcpy(address.sun_path, path.c_str());
                     const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
                     EXPECT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
                     ::close(s);
                 },
                 "not a regular file",
                 Type::socket,
                 nullptr,
                 kAny,
                 "{}",
                 {"rlin1.txt"}},
        WriteRow{"device",
                 Who::Self,
                 true,
                 [](const fs::path& d) {
                     ASSERT_EQ(::mknod((d / "rlin1.txt").c_str(), S_IFCHR | 0666, makedev(1, 3)),
                               0);
                 },
                 "not a regular file",
                 Type::character,
                 nullptr,
                 kAny,
                 "{}",
                 {"rlin1.txt"}}),
    [](const testing::TestParamInfo<WriteRow>& info) { return info.param.name; });

// A START killed at any moment leaves a whole line, and once the next START
// has run, nothing but rlin1.txt.
TEST(HandOffFile, KilledStartLeavesAWholeLineAndNothingElse) {
    TempDir dir;
    std::mt19937 random{std::random_device{}()};
    const std::set<std::string> whole = {"180,51.5\r\n", "217.344292538128,44.8168481749088\r\n",
                                         "104.5,-28.75\r\n"};
    for (int round = 0; round < 100; ++round) {
        const pid_t child = ::fork();
        if (child == 0) {
            failureOf([&] {
                for (int i = 0;; ++i) {
                    calc::WriteHandOffFile(i % 2 ? 217.344292538128 : 180,
                                           i % 2 ? 44.8168481749088 : 51.5, dir.str());
                }
            });
            ::_exit(1);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 2000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        if (fs::exists(dir.path() / "rlin1.txt")) {
            ASSERT_EQ(whole.count(dir.read("rlin1.txt")), 1U) << "after kill " << round;
        }
        calc::WriteHandOffFile(104.5, -28.75, dir.str());
        ASSERT_EQ(namesIn(dir.path()), std::vector<std::string>{"rlin1.txt"})
            << "after kill " << round;
        ASSERT_EQ(dir.read("rlin1.txt"), "104.5,-28.75\r\n");
    }
}
#endif

#ifdef _WIN32
// Another program's handle on rlin1.txt, open for reading with the given
// sharing, and holding a shared lock on it where asked (as a reader in the
// middle of its read does); closed at the end of its scope.
class HeldFile {
public:
    HeldFile(const fs::path& file, DWORD sharing, bool locked)
        : m_handle(::CreateFileW(file.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0,
                                 nullptr)) {
        EXPECT_NE(m_handle, INVALID_HANDLE_VALUE);
        OVERLAPPED from{};
        EXPECT_TRUE(!locked || ::LockFileEx(m_handle, 0, 0, MAXDWORD, MAXDWORD, &from));
    }
    ~HeldFile() { ::CloseHandle(m_handle); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

private:
    HANDLE m_handle;
};

constexpr DWORD kNotHeld = ~DWORD{0};
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

struct WindowsRow {
    const char* name;
    void (*before)(const fs::path& d); // nullptr: nothing
    // How another program has the file open all through START, longer than
    // any retry: its sharing (kNotHeld: it does not), and whether it also
    // holds a lock as a reader does while it reads.
    DWORD heldWith;
    bool heldLocked;
    const char* reason;  // nullptr: START succeeds
    const char* content; // of rlin1.txt afterwards
};

void PrintTo(const WindowsRow& row, std::ostream* out) {
    *out << row.name;
}

class HandOffStartOnWindows : public testing::TestWithParam<WindowsRow> {};

TEST_P(HandOffStartOnWindows, AsTheTableSays) {
    const WindowsRow& row = GetParam();
    TempDir dir;
    const fs::path file = dir.path() / "rlin1.txt";
    dir.write("rlin1.txt", "1,2\r\n");
    if (row.before) {
        row.before(dir.path());
    }
    std::string write;
    {
        std::optional<HeldFile> held;
        if (row.heldWith != kNotHeld) {
            held.emplace(file, row.heldWith, row.heldLocked);
        }
        write = failureOf([&] { calc::WriteHandOffFile(180, 51.5, dir.str()); });
    }
    ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL); // so that it can be removed
    EXPECT_EQ(write, row.reason ? "Cannot write " + file.string() + ": " + row.reason
                                : std::string("no failure"));
    EXPECT_EQ(dir.read("rlin1.txt"), row.content);
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"rlin1.txt"});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HandOffStartOnWindows,
    testing::Values(
        WindowsRow{"readOnlyFileIsKept",
                   [](const fs::path& d) {
                       ::SetFileAttributesW((d / "rlin1.txt").c_str(), FILE_ATTRIBUTE_READONLY);
                   },
                   kNotHeld, false, "the file is read-only", "1,2\r\n"},
        // What a START killed before the replacement left.
        WindowsRow{"leftoverNewFileIsReplaced",
                   [](const fs::path& d) {
                       std::ofstream(d / ".rlin1.txt.tmp", std::ios::binary) << "217.3,44";
                   },
                   kNotHeld, false, nullptr, "180,51.5\r\n"},
        // As the compass window's reader opens it: no rename over it, but a
        // write in place.
        WindowsRow{"heldAsTheCompassReadsIt", nullptr, kShareAll, false, nullptr, "180,51.5\r\n"},
        // As the C runtime's fopen opens it, which lets no one delete or
        // rename the file while it is open.
        WindowsRow{"heldAsFopenOpensIt", nullptr, FILE_SHARE_READ | FILE_SHARE_WRITE, false,
                   nullptr, "180,51.5\r\n"},
        WindowsRow{"heldSharedForReadingOnly", nullptr, FILE_SHARE_READ, false,
                   "another program has it open", "1,2\r\n"},
        // A reader that never finishes its read: the line it reads is never
        // truncated under it.
        WindowsRow{"heldByAReaderInTheMiddleOfItsRead", nullptr, kShareAll, true,
                   "another program has it open", "1,2\r\n"}),
    [](const testing::TestParamInfo<WindowsRow>& info) { return info.param.name; });

// A writer that never finishes its write in place: its half line is never
// read.
TEST(HandOffFile, ReaderWaitsForAWriteInPlace) {
    TempDir dir;
    dir.write("rlin1.txt", "1,");
    const fs::path file = dir.path() / "rlin1.txt";
    const HANDLE writer =
        ::CreateFileW(file.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    OVERLAPPED from{};
    EXPECT_TRUE(::LockFileEx(writer, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &from));
    EXPECT_EQ(failureOf([&] { calc::ReadHandOffFields(dir.str()); }),
              "Cannot read " + file.string() + ": another program has it open");
    ::CloseHandle(writer);
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
              "Cannot write " + (disk.path() / "rlin1.txt").string() + ": no space left on device");
    std::ifstream in(disk.path() / "rlin1.txt", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "180,51.8421855548354\r\n");
    EXPECT_EQ(namesIn(disk.path()), (std::vector<std::string>{"filler", "rlin1.txt"}))
        << "a temporary file was left";
}

TEST(HandOffFile, ReadOnlyFileSystemIsReported) {
    SmallDisk disk(MS_RDONLY);
    if (!disk.skipReason.empty()) {
        GTEST_SKIP() << disk.skipReason;
    }
    EXPECT_EQ(failureOf([&] { calc::WriteHandOffFile(217.5, 44.25, disk.path().string()); }),
              "Cannot write " + (disk.path() / "rlin1.txt").string() + ": read-only file system");
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
    EXPECT_EQ(failureOf([&] { calc::ReadHandOffFields(dir.str()); }),
              "File not found: " + (dir.path() / "rlin1.txt").string());
}

TEST(HandOffFile, FirstLineBeyondTheLimitIsABadFile) {
    TempDir dir;
    dir.write("rlin1.txt", std::string(calc::kHandOffLineLimit + 1, '7') + ",5\r\n");
    EXPECT_EQ(failureOf([&] { calc::ReadHandOffFields(dir.str()); }),
              "Bad hand-off file " + (dir.path() / "rlin1.txt").string() +
                  ": its first line is longer than 65536 bytes");
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
