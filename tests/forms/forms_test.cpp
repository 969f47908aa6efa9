#include "fakeplatform.h"

#include "core/azimuth.h"
#include "core/compassdrawing.h"
#include "core/tempdir.h"
#include "forms/calculatorforms.h"
#include "forms/runtime.h"
#include "forms/sdrevik.h"
#include "lang/language.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;
using forms::FormId;
using Log = std::vector<std::string>;

namespace {

// A file in the recording front end's program directory, joined as the
// platform joins paths.
std::string installed(const std::string& file) {
    return "/opt/dish" + std::string(1, static_cast<char>(fs::path::preferred_separator)) + file;
}

// The calculator on the recording front end, in a working directory of its
// own.
class Calculator : public testing::Test {
protected:
    void startUp(const calc::LanguageTable& texts = calc::EnglishTable()) {
        calculator::RegisterCalculatorWindows(runtime, texts);
        runtime.startUp(FormId::TV);
    }
    FakePlatform::Window& window(std::string_view name) {
        FakePlatform::Window* w = platform.window(name);
        EXPECT_NE(w, nullptr) << name;
        return *w;
    }
    std::string& text(std::string_view window, const char* box) {
        return this->window(window).texts.at(box);
    }
    // What was noted from here on.
    Log since(size_t mark) const { return Log(platform.log.begin() + mark, platform.log.end()); }

    TempDir dir;
    InWorkingDirectory inDir{dir.path()};
    FakePlatform platform;
    forms::Runtime runtime{platform};
};

TEST_F(Calculator, StartsWithTheIllustrationsThenTheHiddenCompassThenTheMainWindow) {
    startUp();
    EXPECT_EQ(platform.log, (Log{"create TV", "create RIS123E", "read " + installed("GDS1ENG.BMP"),
                                 "show RIS123E", "create LIN1", "show TV"}));
    EXPECT_FALSE(window("LIN1").visible);
    EXPECT_EQ(window("RIS123E").picture, "");
    EXPECT_TRUE(platform.reports.empty());
}

TEST_F(Calculator, AFailedLoadLeavesNothingLoadedAndIsTriedAfreshOnTheNextUse) {
    platform.missing = {installed("GDS001.BMP")};
    startUp(calc::RussianTable());
    EXPECT_EQ(platform.reports, Log{"TV: File not found: " + installed("GDS001.BMP")});
    EXPECT_EQ(platform.log, (Log{"create TV", "create RIS123", "read " + installed("GDS001.BMP"),
                                 "destroy RIS123", "show TV"}));
    // The compass window was never loaded: the main window's load stopped.
    EXPECT_FALSE(runtime.isLoaded(FormId::LIN1));

    platform.missing.clear();
    platform.click("TV", "RISYNOK");
    EXPECT_TRUE(window("RIS123").visible);
    EXPECT_EQ(platform.reports.size(), 1u);
}

TEST_F(Calculator, ShowingAWindowAgainNeverMakesASecondOne) {
    startUp();
    const size_t mark = platform.log.size();
    platform.click("TV", "NAPR");
    platform.click("TV", "NAPR");
    platform.click("TV", "RISYNOK");
    EXPECT_EQ(since(mark), (Log{"show LIN1", "show LIN1", "show RIS123E"}));
}

// The step button walks the four pictures in a cycle; a press whose picture
// cannot be read shows nothing new and leaves the counter, so the next press
// tries the same picture again.
TEST_F(Calculator, PictureCounterCyclesAndAFailedPressKeepsIt) {
    startUp();
    struct Press {
        std::string missing;
        std::string shown;
    };
    const Press presses[] = {
        {"", installed("GDS1ENG.BMP")},
        {"", installed("1kENG.BMP")},
        {installed("2kENG.BMP"), installed("1kENG.BMP")},
        {"", installed("2kENG.BMP")},
        {"", installed("3kENG.BMP")},
        {"", installed("GDS1ENG.BMP")},
    };
    for (const Press& press : presses) {
        platform.missing = {press.missing};
        platform.click("RIS123E", "RISYNOK");
        EXPECT_EQ(window("RIS123E").picture, press.shown);
    }
    EXPECT_EQ(platform.reports, (Log{"RIS123E: File not found: " + installed("2kENG.BMP")}));
}

TEST_F(Calculator, IllustrationsExitUnloadsThemAndTheNextOpeningStartsAfresh) {
    startUp();
    platform.click("RIS123E", "RISYNOK");
    platform.click("RIS123E", "RISYNOK");
    size_t mark = platform.log.size();
    platform.click("RIS123E", "cmd1");
    EXPECT_EQ(since(mark), (Log{"hide RIS123E", "show TV", "destroy RIS123E"}));
    EXPECT_FALSE(runtime.isLoaded(FormId::Illustrations));

    platform.click("TV", "RISYNOK");
    EXPECT_EQ(window("RIS123E").picture, "");
    platform.click("RIS123E", "RISYNOK");
    EXPECT_EQ(window("RIS123E").picture, installed("GDS1ENG.BMP"));

    // Closed from its title bar: unloaded, and the main window stays where it is.
    mark = platform.log.size();
    platform.close("RIS123E");
    EXPECT_EQ(since(mark), Log{"destroy RIS123E"});
}

struct StartCase {
    const char* name;
    const char* box;
    const char* text;
    const char* Text8;
    const char* Text7;
    const char* file;
    const char* report;
};

class MainWindowStart : public Calculator, public testing::WithParamInterface<StartCase> {};

// An earlier START leaves its results and file; a failing START stops at its
// failing step, so a failure in the azimuth changes neither box nor the file.
TEST_P(MainWindowStart, ShowsTheAnglesInOrderThenWritesTheFileOrChangesNothing) {
    startUp();
    text("TV", "Text5") = "-80";
    platform.click("TV", "Gprog");
    ASSERT_EQ(dir.read("rlin1.txt"), "104.466454959066,-28.781934172025\r\n");

    const StartCase& c = GetParam();
    text("TV", c.box) = c.text;
    const size_t mark = platform.log.size();
    platform.click("TV", "Gprog");
    EXPECT_EQ(text("TV", "Text8"), c.Text8);
    EXPECT_EQ(text("TV", "Text7"), c.Text7);
    EXPECT_EQ(dir.read("rlin1.txt"), c.file);
    EXPECT_EQ(platform.reports, *c.report ? Log{c.report} : Log{});
    if (!*c.report) {
        EXPECT_EQ(since(mark),
                  (Log{std::string("TV.Text8=") + c.Text8, std::string("TV.Text7=") + c.Text7}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MainWindowStart,
    testing::Values(StartCase{"satellite13", "Text5", "13", " 217.344292538128",
                              " 44.8168481749088", "217.344292538128,44.8168481749088\r\n", ""},
                    // 27,69 counts as 27.
                    StartCase{"commaEndsANumber", "Text2", "27,69", " 104.459289539221",
                              "-28.7732150053532", "104.459289539221,-28.7732150053532\r\n", ""},
                    // 30 degrees south, less 48.5 minutes: the satellite to
                    // the north-east, below the horizon.
                    StartCase{"southOfTheEquator", "Text3", "-30", " 76.9257083564322",
                              "-29.5836408220918", "76.9257083564322,-29.5836408220918\r\n", ""},
                    StartCase{"equator", "Text4", "-1920", " 104.466454959066", "-28.781934172025",
                              "104.466454959066,-28.781934172025\r\n", "TV: Division by zero"},
                    StartCase{"beyondSinglePrecision", "Text1", "1E41", " 104.466454959066",
                              "-28.781934172025", "104.466454959066,-28.781934172025\r\n",
                              "TV: Overflow"},
                    StartCase{"hugeNumber", "Text6", "1E999", " 104.466454959066",
                              "-28.781934172025", "104.466454959066,-28.781934172025\r\n",
                              "TV: Overflow"}),
    [](const testing::TestParamInfo<StartCase>& info) { return info.param.name; });

// Both results are on screen before the file is written, so a file that
// cannot be written leaves them there.
TEST_F(Calculator, AFileThatCannotBeWrittenLeavesBothResultsOnScreen) {
    startUp();
    fs::create_directory(dir.path() / "rlin1.txt");
    text("TV", "Text5") = "13";
    platform.click("TV", "Gprog");
    EXPECT_EQ(text("TV", "Text8"), " 217.344292538128");
    EXPECT_EQ(text("TV", "Text7"), " 44.8168481749088");
    EXPECT_EQ(platform.reports,
              Log{"TV: Cannot write " + (fs::current_path() / "rlin1.txt").string() +
                  ": not a regular file"});
}

// A description of each drawing, to compare runs.
std::string Described(const std::vector<RecordingSurface::Drawn>& drawn) {
    std::ostringstream out;
    for (const RecordingSurface::Drawn& d : drawn) {
        out << static_cast<int>(d.kind) << ' ' << d.penWidth << ' ' << int(d.colour.red) << ','
            << int(d.colour.green) << ',' << int(d.colour.blue) << ' ' << d.filled << ' ' << d.text;
        for (float f : d.at) {
            out << ' ' << f;
        }
        out << '\n';
    }
    return out.str();
}

class Compass : public Calculator {
protected:
    void SetUp() override {
        startUp();
        platform.click("TV", "NAPR");
        dir.write("rlin1.txt", "191.7,40\r\n");
    }
    RecordingSurface& drawing() { return window("LIN1").drawing; }
    void atYield(std::function<void()> action) { platform.atYield.push_back(std::move(action)); }
    // What START draws for the displacements before and after its yield, on a
    // surface of its own: the crosses before, the rest after.
    static std::pair<std::string, std::string> expected(const char* before, const char* after) {
        RecordingSurface reference;
        calc::ClearDiagram(reference);
        calc::DrawCrosses(reference, before);
        const std::string crosses = Described(reference.drawn);
        reference.drawn.clear();
        calc::DrawCentreDot(reference);
        calc::DrawDirection(reference, after, calc::ReadAzimuth());
        return {crosses, Described(reference.drawn)};
    }
    std::string drawnAtYield;
};

TEST_F(Compass, StartDrawsTheCrossesYieldsThenReadsTheFileAndDrawsTheDirection) {
    atYield([this] { drawnAtYield = Described(drawing().drawn); });
    platform.click("LIN1", "START");
    const auto [crosses, direction] = expected("-20", "-20");
    EXPECT_EQ(drawnAtYield, crosses);
    EXPECT_EQ(Described(drawing().drawn), crosses + direction);
    EXPECT_TRUE(platform.reports.empty());
}

// A START inside the yield draws the whole diagram anew for its own POZIA
// text; the interrupted run then goes on on top of it with that text too.
TEST_F(Compass, StartInsideTheYieldRedrawsAndTheFirstRunGoesOnWithItsText) {
    atYield([this] {
        text("LIN1", "POZIA") = "35";
        platform.click("LIN1", "START");
        drawing().drawn.clear();
    });
    platform.click("LIN1", "START");
    const auto [crosses, direction] = expected("35", "35");
    EXPECT_EQ(Described(drawing().drawn), direction);
    EXPECT_TRUE(platform.reports.empty());
}

// Closing the window at the yield ends the run quietly; the window goes only
// once the run has returned, and DIRECTION meanwhile makes a new one.
TEST_F(Compass, ClosedInsideTheYieldTheRunEndsQuietlyAndTheWindowGoesAfterIt) {
    fs::remove(dir.path() / "rlin1.txt"); // a run that went on would report it
    atYield([this] {
        platform.close("LIN1");
        platform.click("TV", "NAPR");
    });
    const size_t mark = platform.log.size();
    platform.click("LIN1", "START");
    EXPECT_EQ(since(mark), (Log{"yield", "hide LIN1", "create LIN1", "show LIN1", "destroy LIN1"}));
    EXPECT_TRUE(platform.reports.empty());
    ASSERT_TRUE(runtime.isLoaded(FormId::LIN1));
    EXPECT_TRUE(drawing().drawn.empty());
}

TEST_F(Compass, AMissingFileStopsTheRunAfterTheCentreDot) {
    fs::remove(dir.path() / "rlin1.txt");
    platform.click("LIN1", "START");
    ASSERT_EQ(platform.reports.size(), 1u);
    EXPECT_EQ(platform.reports[0].rfind("LIN1: File not found: ", 0), 0u) << platform.reports[0];
    const auto& last = drawing().drawn.back();
    EXPECT_EQ(last.kind, RecordingSurface::Kind::Point);
    EXPECT_EQ(last.penWidth, 20);
}

TEST_F(Compass, ExitBringsTheMainWindowForwardAndClosingUnloadsTheWindow) {
    size_t mark = platform.log.size();
    platform.click("LIN1", "CMDEXIT");
    EXPECT_EQ(since(mark), Log{"show TV"});
    text("LIN1", "POZIA") = "35";
    platform.close("LIN1");
    EXPECT_FALSE(runtime.isLoaded(FormId::LIN1));
    platform.click("TV", "NAPR");
    EXPECT_EQ(text("LIN1", "POZIA"), "-20");
}

// Ending the program, by EXIT or by closing the main window, runs no
// handler after it, and a yield under way stops there.
TEST_F(Calculator, EndingTheProgramRunsNoHandlerAfterIt) {
    startUp();
    platform.click("TV", "NAPR");
    dir.write("rlin1.txt", "180,40\r\n");
    platform.atYield.push_back([this] { platform.click("TV", "cmdExit"); });
    const size_t mark = platform.log.size();
    platform.click("LIN1", "START");
    platform.click("TV", "Gprog");
    platform.close("TV");
    EXPECT_EQ(since(mark), (Log{"yield", "end", "end"}));
    EXPECT_EQ(dir.read("rlin1.txt"), "180,40\r\n");
    // No centre dot: the run stopped at its yield.
    EXPECT_TRUE(window("LIN1").drawing.of(RecordingSurface::Kind::Point).empty());
}

class Launcher : public testing::Test {
protected:
    void SetUp() override {
        launcher::RegisterLauncherWindow(runtime);
        runtime.startUp(FormId::SDREVIK);
    }
    FakePlatform platform;
    forms::Runtime runtime{platform};
};

TEST_F(Launcher, EachButtonStartsItsBuildFromTheLaunchersDirectoryAndExitEnds) {
    platform.missing = {launcher::BuildPath("/opt/dish", "\\KORVEL.EXE")};
    platform.click("SDREVIK", "Command1");
    platform.click("SDREVIK", "Command2");
    platform.click("SDREVIK", "Command1");
    platform.click("SDREVIK", "Command3");
    const std::string drevik = launcher::BuildPath("/opt/dish", "\\DREVIK.EXE");
    const std::string korvel = launcher::BuildPath("/opt/dish", "\\KORVEL.EXE");
    EXPECT_EQ(platform.log,
              (Log{"create SDREVIK", "show SDREVIK", "start " + drevik, "start " + drevik, "end"}));
    EXPECT_EQ(platform.reports, Log{"SDREVIK: Cannot start " + korvel + ": no such program"});
}

TEST(BuildPath, ProgramNameBesideTheLauncher) {
#ifdef _WIN32
    EXPECT_EQ(launcher::BuildPath("C:\\Apps", "\\DREVIK.EXE"), "C:\\Apps\\DREVIK.EXE");
#else
    EXPECT_EQ(launcher::BuildPath("/opt/dish", "\\DREVIK.EXE"), "/opt/dish/drevik");
    EXPECT_EQ(launcher::BuildPath("/opt/a b", "\\KORVEL.EXE"), "/opt/a b/korvel");
#endif
}

} // namespace
