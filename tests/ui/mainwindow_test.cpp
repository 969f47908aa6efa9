#include "core/lookangles.h"
#include "core/tempdir.h"
#include "core/textnumber.h"
#include "qt/twips.h"
#include "uitestsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;
using forms::FormId;

namespace {

// The main window alone, started in a fresh working directory.
class MainWindowTest : public testing::Test {
protected:
    explicit MainWindowTest(const calc::LanguageTable& texts = calc::EnglishTable()) : t(texts) {}

    void SetUp() override {
        t.registerCalculatorWindows();
        t.forms->setFactory(FormId::LIN1, nullptr);
        t.forms->setFactory(FormId::Illustrations, nullptr);
        t.forms->startUp(FormId::TV);
        tv = t.window(FormId::TV);
        ASSERT_NE(tv, nullptr);
    }
    QLineEdit* box(const char* name) { return tv->findChild<QLineEdit*>(name); }
    QPushButton* button(const char* name) { return tv->findChild<QPushButton*>(name); }
    void type(const char* name, const QString& text) {
        box(name)->clear();
        QTest::keyClicks(box(name), text);
    }
    void clickStart() { QTest::mouseClick(button("Gprog"), Qt::LeftButton); }

    TempDir dir;
    InWorkingDirectory inDir{dir.path()};
    TestForms t;
    QWidget* tv = nullptr;
};

TEST_F(MainWindowTest, OpensWithTheDefaults) {
    EXPECT_EQ(tv->objectName(), "TV");
    EXPECT_EQ(tv->windowTitle(), "RASCHET");
    EXPECT_EQ(tv->size(), qtui::twipsSize(7155, 4950));
    const std::pair<const char*, const char*> defaults[] = {
        {"Text1", "35"}, {"Text2", "27.69"}, {"Text3", "32"}, {"Text4", "48.5"},
        {"Text5", ""},   {"Text6", ""},      {"Text7", ""},   {"Text8", ""}};
    for (const auto& [name, text] : defaults) {
        ASSERT_NE(box(name), nullptr) << name;
        EXPECT_EQ(box(name)->text(), text) << name;
    }
    ASSERT_TRUE(QTest::qWaitForWindowActive(tv));
    EXPECT_EQ(QApplication::focusWidget(), box("Text1"));
}

TEST_F(MainWindowTest, StartShowsTheAnglesAndWritesTheFile) {
    type("Text5", "13");
    type("Text6", "0");
    clickStart();
    EXPECT_EQ(box("Text8")->text(), " 217.344292538128");
    EXPECT_EQ(box("Text7")->text(), " 44.8168481749088");
    EXPECT_EQ(dir.read("rlin1.txt"), "217.344292538128,44.8168481749088\r\n");
    EXPECT_TRUE(t.reporter.messages.isEmpty());
    // The results are wider than their boxes: their beginning shows.
    EXPECT_EQ(box("Text8")->cursorPosition(), 0);
}

TEST_F(MainWindowTest, StartTwiceGivesTheSameTextsAndFile) {
    type("Text5", "-80");
    clickStart();
    const QString alfa = box("Text8")->text();
    const QString beta = box("Text7")->text();
    const std::string file = dir.read("rlin1.txt");
    clickStart();
    EXPECT_EQ(box("Text8")->text(), alfa);
    EXPECT_EQ(box("Text7")->text(), beta);
    EXPECT_EQ(dir.read("rlin1.txt"), file);
    EXPECT_EQ(beta, "-28.781934172025");
    EXPECT_EQ(file, "104.466454959066,-28.781934172025\r\n");
}

TEST_F(MainWindowTest, EmptySatelliteBoxesCountAsZeroAndCommaEndsANumber) {
    type("Text2", "27,69"); // read as 27
    clickStart();
    const double expected = calc::CalcLookAngles(35, 27, 32, 48.5, 0, 0).ALFA;
    EXPECT_EQ(box("Text8")->text().toStdString(), calc::NumberToText(expected));
}

struct FailingInput {
    const char* name;
    const char* box;
    const char* text;
    const char* message;
};

class MainWindowFails : public MainWindowTest, public testing::WithParamInterface<FailingInput> {};

TEST_P(MainWindowFails, ReportsAndChangesNothing) {
    // An earlier successful START leaves its results and its file.
    type("Text5", "13");
    clickStart();
    const QString alfa = box("Text8")->text();
    const QString beta = box("Text7")->text();
    const std::string file = dir.read("rlin1.txt");

    type(GetParam().box, GetParam().text);
    clickStart();
    EXPECT_EQ(t.reporter.messages, QStringList{GetParam().message});
    EXPECT_EQ(box("Text8")->text(), alfa);
    EXPECT_EQ(box("Text7")->text(), beta);
    EXPECT_EQ(dir.read("rlin1.txt"), file);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, MainWindowFails,
    testing::Values(FailingInput{"equator", "Text4", "-1920", "Division by zero"},
                    FailingInput{"hugeNumberInABox", "Text6", "1E999", "Overflow"},
                    FailingInput{"beyondSinglePrecision", "Text1", "1E41", "Overflow"}),
    [](const testing::TestParamInfo<FailingInput>& info) { return info.param.name; });

TEST_F(MainWindowTest, EquatorOnAFreshStartWritesNoFile) {
    type("Text3", "0");
    type("Text4", "0");
    clickStart();
    EXPECT_EQ(t.reporter.messages, QStringList{"Division by zero"});
    EXPECT_TRUE(box("Text8")->text().isEmpty());
    EXPECT_FALSE(fs::exists(dir.path() / "rlin1.txt"));
}

TEST_F(MainWindowTest, FailedFileWriteKeepsTheResultsOnScreen) {
    fs::create_directory(dir.path() / "rlin1.txt");
    type("Text5", "13");
    clickStart();
    EXPECT_EQ(box("Text8")->text(), " 217.344292538128");
    EXPECT_EQ(box("Text7")->text(), " 44.8168481749088");
    ASSERT_EQ(t.reporter.messages.size(), 1);
    EXPECT_EQ(t.reporter.messages[0].toStdString(),
              "Cannot write " + (fs::current_path() / "rlin1.txt").string() +
                  ": not a regular file");
}

TEST_F(MainWindowTest, TypingIntoTheResultBoxesChangesNothing) {
    type("Text5", "13");
    type("Text8", "999");
    type("Text7", "abc");
    clickStart();
    EXPECT_EQ(box("Text8")->text(), " 217.344292538128");
}

TEST_F(MainWindowTest, TabWalksTheControlsInTheirOrder) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(tv));
    const QStringList expected = {"Text2", "Text3", "Text4",   "Text5",   "Text6", "Text7",
                                  "Text8", "Gprog", "RISYNOK", "cmdExit", "NAPR",  "Text1"};
    QStringList walked;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(walked, expected);
}

TEST_F(MainWindowTest, KeyboardOnlyCalculation) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(tv));
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QTest::keyClicks(QApplication::focusWidget(), "35");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "27.69");
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), button("Gprog"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(box("Text8")->text(), " 180");
    EXPECT_EQ(dir.read("rlin1.txt").substr(0, 4), "180,");
}

TEST_F(MainWindowTest, ExitAndClosingFromTheTitleBarEndTheProgram) {
    QTest::mouseClick(button("cmdExit"), Qt::LeftButton);
    EXPECT_EQ(t.ends, 1);
    tv->close();
    EXPECT_EQ(t.ends, 2);
}

struct Placement {
    const char* name;
    int left, top, width, height;
};

struct LinePlacement {
    const char* name;
    int x1, y1, x2, y2;
};

TEST_F(MainWindowTest, ControlsStandWhereTheLayoutPutsThem) {
    const Placement placements[] = {
        {"NAPR", 3360, 3720, 1395, 315},   {"cmdExit", 5280, 360, 615, 495},
        {"RISYNOK", 720, 720, 855, 375},   {"Gprog", 720, 120, 855, 375},
        {"Text8", 4800, 4200, 1215, 495},  {"Text7", 2040, 4200, 1215, 495},
        {"Text6", 4440, 3000, 975, 285},   {"Text5", 2640, 3000, 855, 285},
        {"Text4", 4440, 2040, 975, 285},   {"Text3", 2640, 2040, 855, 285},
        {"Text2", 4440, 1320, 975, 285},   {"Text1", 2640, 1320, 855, 285},
        {"T9", 3240, 4320, 1575, 375},     {"T8", 480, 4320, 1575, 255},
        {"T7", 840, 3720, 2175, 375},      {"T6", 2400, 2760, 3615, 255},
        {"T5", 240, 2760, 1815, 615},      {"T4", 2280, 1800, 3495, 255},
        {"Label1", 2400, 1080, 3735, 255}, {"T3", 360, 1440, 1935, 855},
        {"T2", 1200, 600, 3735, 255},      {"T1", 1920, 240, 2535, 255},
    };
    for (const Placement& p : placements) {
        QWidget* control = tv->findChild<QWidget*>(p.name);
        ASSERT_NE(control, nullptr) << p.name;
        EXPECT_EQ(control->geometry(), qtui::twipsRect(p.left, p.top, p.width, p.height)) << p.name;
    }
    // A line covers both its end points, whichever way round it is given.
    const LinePlacement lines[] = {
        {"Line6", 2280, 2280, 2280, 1200}, {"Line5", 480, 3600, 6120, 3600},
        {"Line4", 4920, 120, 4920, 960},   {"Line3", 1920, 960, 1920, 120},
        {"Line2", 1920, 120, 4920, 120},   {"Line1", 1920, 960, 4920, 960},
    };
    for (const LinePlacement& l : lines) {
        QWidget* line = tv->findChild<QWidget*>(l.name);
        ASSERT_NE(line, nullptr) << l.name;
        const QPoint from = qtui::twipsPoint(l.x1, l.y1);
        const QPoint to = qtui::twipsPoint(l.x2, l.y2);
        EXPECT_TRUE(line->geometry().contains(from)) << l.name;
        EXPECT_TRUE(line->geometry().contains(to)) << l.name;
        EXPECT_EQ(line->width(), std::abs(to.x() - from.x()) + 1) << l.name;
        EXPECT_EQ(line->height(), std::abs(to.y() - from.y()) + 1) << l.name;
    }
}

TEST_F(MainWindowTest, TheResultBoxesAndTitleUseTheirOwnFonts) {
    EXPECT_DOUBLE_EQ(box("Text8")->font().pointSizeF(), 13.5);
    const QLabel* title = tv->findChild<QLabel*>("T1");
    EXPECT_TRUE(title->font().bold());
    EXPECT_DOUBLE_EQ(title->font().pointSizeF(), 12.0);
    EXPECT_DOUBLE_EQ(box("Text1")->font().pointSizeF(), 8.25);
}

class RussianMainWindowTest : public MainWindowTest {
protected:
    RussianMainWindowTest() : MainWindowTest(calc::RussianTable()) {}
};

TEST_F(RussianMainWindowTest, ShowsTheRussianCaptionsAndTheSameNumbers) {
    EXPECT_EQ(tv->windowTitle(), "RASCHET");
    EXPECT_EQ(button("Gprog")->text(), "STAPT");
    EXPECT_EQ(button("NAPR")->text(), QString::fromUtf8("НАПРАВЛЕНИЕ"));
    EXPECT_EQ(button("cmdExit")->text(), "EXIT");
    EXPECT_EQ(tv->findChild<QLabel*>("T3")->text(),
              QString::fromUtf8("Ваши  координаты   места  (Тверия)"));
    type("Text5", "13");
    clickStart();
    EXPECT_EQ(box("Text8")->text(), " 217.344292538128");
}

} // namespace
