#include "core/failure.h"
#include "core/installationpath.h"
#include "core/tempdir.h"
#include "qt/picturebox.h"
#include "qt/twips.h"
#include "testpictures.h"
#include "uitestsupport.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;
using forms::FormId;

namespace {

// One colour per picture file, so that what the box shows tells which file
// was read.
struct Colours {
    QColor title, first, second, third;
};
const Colours kEnglish{QColor(200, 0, 0), QColor(0, 150, 0), QColor(0, 0, 220),
                       QColor(220, 220, 0)};
const Colours kRussian{QColor(120, 0, 120), QColor(0, 120, 120), QColor(90, 60, 30),
                       QColor(250, 130, 10)};

void WriteBuildPictures(const TempDir& dir, const calc::IllustrationsTexts& files,
                        const Colours& colours) {
    const auto write = [&dir](std::string_view literal, const QColor& colour) {
        SolidPicture(colour).save(
            QString::fromStdString(calc::InstallationPath(dir.str(), literal)), "BMP");
    };
    write(files.titlePicture, colours.title);
    write(files.pictures[0], colours.first);
    write(files.pictures[1], colours.second);
    write(files.pictures[2], colours.third);
}

// The calculator's windows with the picture files of both builds in their
// program directory; the window under test is not loaded yet.
class IllustrationsTest : public testing::Test {
protected:
    explicit IllustrationsTest(const calc::LanguageTable& texts = calc::EnglishTable())
        : t(texts, dir.str()) {
        WriteBuildPictures(dir, calc::EnglishTable().illustrations, kEnglish);
        WriteBuildPictures(dir, calc::RussianTable().illustrations, kRussian);
        t.registerCalculatorWindows();
    }

    QWidget* window() const { return t.window(FormId::Illustrations); }
    qtui::PictureBox* box() const { return window()->findChild<qtui::PictureBox*>("Picture1"); }
    QPushButton* button(const char* name) const { return window()->findChild<QPushButton*>(name); }
    void press(const char* name = "RISYNOK") { QTest::mouseClick(button(name), Qt::LeftButton); }
    // The colour the box shows; invalid while it is empty.
    QColor shown() const {
        const QImage& picture = box()->picture();
        return picture.isNull() ? QColor() : picture.pixelColor(0, 0);
    }
    std::string path(const char* name) const { return (dir.path() / name).string(); }
    void remove(const char* name) const { fs::remove(dir.path() / name); }
    bool shownSinceStart(const char* name) const { return t.shown.names.contains(name); }

    TempDir dir; // before t: the runtime is made with its path
    TestForms t;
};

TEST_F(IllustrationsTest, LoadShowsTheWindowAtItsPlaceWithAnEmptyBox) {
    t.forms->load(FormId::Illustrations);
    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(window()->objectName(), "RIS123E");
    EXPECT_EQ(window()->windowTitle(), "RIS123E");
    EXPECT_EQ(window()->geometry(), qtui::twipsRect(1860, 1530, 6360, 4995));
    ASSERT_NE(box(), nullptr);
    EXPECT_EQ(box()->geometry(), qtui::twipsRect(0, 0, 8775, 5935));
    EXPECT_TRUE(box()->picture().isNull());
    EXPECT_TRUE(t.reporter.messages.isEmpty());
}

TEST_F(IllustrationsTest, TheBoxKeepsItsSizeWhenTheWindowIsResized) {
    t.forms->load(FormId::Illustrations);
    const QSize size = box()->size();
    window()->resize(900, 700);
    window()->resize(200, 150);
    EXPECT_EQ(box()->size(), size);
    EXPECT_EQ(box()->pos(), QPoint(0, 0));
}

TEST_F(IllustrationsTest, PressesCycleThroughTheFourPictures) {
    t.forms->load(FormId::Illustrations);
    const QColor expected[] = {kEnglish.title,  kEnglish.first, kEnglish.second,
                               kEnglish.third,  kEnglish.title, kEnglish.first,
                               kEnglish.second, kEnglish.third, kEnglish.title};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        press();
        EXPECT_EQ(shown(), expected[i]) << "press " << i + 1;
    }
    EXPECT_TRUE(t.reporter.messages.isEmpty());
}

TEST_F(IllustrationsTest, EveryPressReadsTheFileAnew) {
    t.forms->load(FormId::Illustrations);
    WritePicture(dir, "GDS1ENG.BMP", SolidPicture(Qt::white));
    press();
    EXPECT_EQ(shown(), QColor(Qt::white));
    for (int i = 0; i < 3; ++i) {
        press();
    }
    WritePicture(dir, "GDS1ENG.BMP", SolidPicture(Qt::black));
    press();
    EXPECT_EQ(shown(), QColor(Qt::black));
}

TEST_F(IllustrationsTest, TheTitlePictureReadAtLoadIsNotReused) {
    t.forms->load(FormId::Illustrations);
    remove("GDS1ENG.BMP");
    press();
    EXPECT_FALSE(shown().isValid());
    EXPECT_EQ(t.reporter.messages,
              QStringList{QString::fromStdString("File not found: " + path("GDS1ENG.BMP"))});
}

TEST_F(IllustrationsTest, ShowingItAgainKeepsThePictureAndTheCounter) {
    t.forms->load(FormId::Illustrations);
    QWidget* first = window();
    press();
    press();
    t.forms->show(FormId::Illustrations);
    EXPECT_EQ(window(), first);
    EXPECT_EQ(shown(), kEnglish.first);
    press();
    EXPECT_EQ(shown(), kEnglish.second);
}

TEST_F(IllustrationsTest, TheMainWindowsPuctureOpensItAgain) {
    t.forms->startUp(FormId::TV);
    press();
    t.window(FormId::TV)->findChild<QPushButton*>("RISYNOK")->click();
    press();
    EXPECT_EQ(shown(), kEnglish.first);
    EXPECT_TRUE(window()->isVisible());
}

TEST_F(IllustrationsTest, ExitUnloadsShowsTheMainWindowAndReopeningStartsAfresh) {
    t.forms->startUp(FormId::TV);
    press();
    press();
    press();
    window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
    press("cmd1");
    EXPECT_FALSE(t.forms->isLoaded(FormId::Illustrations));
    EXPECT_TRUE(t.window(FormId::TV)->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(t.window(FormId::TV)));

    t.forms->show(FormId::Illustrations);
    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(box()->picture().isNull());
    press();
    EXPECT_EQ(shown(), kEnglish.title);
}

TEST_F(IllustrationsTest, ExitLoadsAClosedMainWindowWhichLoadsThisWindowAgain) {
    t.forms->load(FormId::Illustrations);
    press();
    press();
    ASSERT_FALSE(t.forms->isLoaded(FormId::TV));
    press("cmd1");
    ASSERT_TRUE(t.forms->isLoaded(FormId::TV));
    ASSERT_TRUE(t.forms->isLoaded(FormId::Illustrations));
    EXPECT_TRUE(window()->isVisible());
    EXPECT_TRUE(box()->picture().isNull());
    press();
    EXPECT_EQ(shown(), kEnglish.title);
}

TEST_F(IllustrationsTest, TitleBarCloseUnloadsWithoutShowingTheMainWindow) {
    t.forms->load(FormId::Illustrations);
    press();
    window()->close();
    EXPECT_FALSE(t.forms->isLoaded(FormId::Illustrations));
    EXPECT_FALSE(t.forms->isLoaded(FormId::TV));
    EXPECT_FALSE(shownSinceStart("TV"));
}

TEST_F(IllustrationsTest, AMissingIllustrationKeepsPictureAndCounter) {
    t.forms->load(FormId::Illustrations);
    remove("2kENG.BMP");
    press();
    press();
    press();
    EXPECT_EQ(shown(), kEnglish.first);
    EXPECT_EQ(t.reporter.messages,
              QStringList{QString::fromStdString("File not found: " + path("2kENG.BMP"))});
    press();
    EXPECT_EQ(shown(), kEnglish.first);
    WritePicture(dir, "2kENG.BMP", SolidPicture(Qt::cyan));
    press();
    EXPECT_EQ(shown(), QColor(Qt::cyan));
    press();
    EXPECT_EQ(shown(), kEnglish.third);
}

TEST_F(IllustrationsTest, AHostileIllustrationIsReportedAndChangesNothing) {
    t.forms->load(FormId::Illustrations);
    dir.write("1kENG.BMP", BitmapBytes(100000, 100000, 24, 64));
    press();
    press();
    EXPECT_EQ(shown(), kEnglish.title);
    ASSERT_EQ(t.reporter.messages.size(), 1);
    EXPECT_TRUE(t.reporter.messages[0].startsWith(
        QString::fromStdString("Not a readable picture: " + path("1kENG.BMP") + " (")))
        << t.reporter.messages[0].toStdString();
    WritePicture(dir, "1kENG.BMP", SolidPicture(Qt::magenta));
    press();
    EXPECT_EQ(shown(), QColor(Qt::magenta));
}

TEST_F(IllustrationsTest, AMissingTitlePictureStopsTheLoadBeforeTheWindowShows) {
    remove("GDS1ENG.BMP");
    EXPECT_THROW(t.forms->load(FormId::Illustrations), calc::FileNotFound);
    EXPECT_FALSE(t.forms->isLoaded(FormId::Illustrations));
    EXPECT_FALSE(shownSinceStart("RIS123E"));
}

TEST_F(IllustrationsTest, AtStartUpAMissingTitlePictureIsReportedAndTheWindowStaysAway) {
    remove("GDS1ENG.BMP");
    t.forms->startUp(FormId::TV);
    EXPECT_EQ(t.reporter.messages,
              QStringList{QString::fromStdString("File not found: " + path("GDS1ENG.BMP"))});
    EXPECT_FALSE(t.forms->isLoaded(FormId::Illustrations));
    EXPECT_EQ(t.shown.names, QStringList{"TV"});
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(widget->objectName() == "RIS123E" && widget->isVisible());
    }
}

TEST_F(IllustrationsTest, AHostileTitlePictureStopsTheLoad) {
    dir.write("GDS1ENG.BMP", BitmapBytes(100000, 100000, 24, 64));
    t.forms->run(nullptr, [this] { t.forms->show(FormId::Illustrations); });
    EXPECT_FALSE(t.forms->isLoaded(FormId::Illustrations));
    ASSERT_EQ(t.reporter.messages.size(), 1);
    EXPECT_TRUE(t.reporter.messages[0].startsWith("Not a readable picture: "));
}

// A picture whose every pixel differs from its neighbours, so that any shift
// or scaling shows.
QImage PatternPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(x % 256, y % 256, 40 * (x / 256) + 120 * (y / 256)));
        }
    }
    // A recorded resolution of twice the screen's must not scale it.
    image.setDotsPerMeterX(7559);
    image.setDotsPerMeterY(7559);
    return image;
}

TEST_F(IllustrationsTest, ALargerPictureIsDrawnUnscaledAndCutAtTheBoxEdges) {
    const QImage picture = PatternPicture(700, 500);
    WritePicture(dir, "GDS1ENG.BMP", picture);
    t.forms->load(FormId::Illustrations);
    press();
    const QImage grabbed = box()->grab().toImage();
    ASSERT_EQ(grabbed.size(), qtui::twipsSize(8775, 5935));
    const int right = grabbed.width() - 1;
    const int bottom = grabbed.height() - 1;
    for (const QPoint at : {QPoint(0, 0), QPoint(5, 100), QPoint(300, 200), QPoint(right, 0),
                            QPoint(0, bottom), QPoint(right, bottom), QPoint(right - 1, bottom)}) {
        EXPECT_EQ(grabbed.pixel(at), picture.pixel(at)) << at.x() << "," << at.y();
    }
}

TEST_F(IllustrationsTest, ASmallerPictureLeavesTheBackgroundAroundIt) {
    const QImage picture = PatternPicture(120, 90);
    WritePicture(dir, "GDS1ENG.BMP", picture);
    t.forms->load(FormId::Illustrations);
    press();
    const QImage grabbed = box()->grab().toImage();
    const QRgb background = box()->palette().color(QPalette::Window).rgb();
    EXPECT_EQ(grabbed.pixel(119, 89), picture.pixel(119, 89));
    EXPECT_EQ(grabbed.pixel(100, 5), picture.pixel(100, 5));
    EXPECT_EQ(grabbed.pixel(120, 89), background);
    EXPECT_EQ(grabbed.pixel(119, 90), background);
    EXPECT_EQ(grabbed.pixel(grabbed.width() - 1, grabbed.height() - 1), background);
}

// The Russian build, with the same files beside it.
class RussianIllustrationsTest : public IllustrationsTest {
protected:
    RussianIllustrationsTest() : IllustrationsTest(calc::RussianTable()) {}
};

TEST_F(RussianIllustrationsTest, ReadsOnlyItsOwnPictures) {
    t.forms->load(FormId::Illustrations);
    EXPECT_EQ(window()->objectName(), "RIS123");
    EXPECT_EQ(window()->windowTitle(), "RIS123");
    EXPECT_EQ(button("cmd1")->text(), "ВЫХОД");
    EXPECT_EQ(button("RISYNOK")->text(), "PИС.1,2,3");
    const QColor expected[] = {kRussian.title, kRussian.first, kRussian.second, kRussian.third,
                               kRussian.title};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        press();
        EXPECT_EQ(shown(), expected[i]) << "press " << i + 1;
    }
}

TEST_F(RussianIllustrationsTest, TheEnglishFilesDoNotStandInForItsOwn) {
    remove("GDS001.BMP");
    t.forms->run(nullptr, [this] { t.forms->show(FormId::Illustrations); });
    EXPECT_FALSE(t.forms->isLoaded(FormId::Illustrations));
    EXPECT_EQ(t.reporter.messages,
              QStringList{QString::fromStdString("File not found: " + path("GDS001.BMP"))});
}

} // namespace
