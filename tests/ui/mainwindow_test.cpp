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
