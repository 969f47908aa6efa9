#include "core/compassdrawing.h"
#include "core/tempdir.h"
#include "qt/qtdrawingsurface.h"
#include "qt/twips.h"
#include "uitestsupport.h"

#include <QEventLoop>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <vector>

namespace fs = std::filesystem;
using forms::FormId;

namespace {

bool isBlue(QColor c) {
    return c.red() < 60 && c.green() < 60 && c.blue() > 200;
}
bool isCyan(QColor c) {
    return c.red() < 60 && c.green() > 200 && c.blue() > 200;
}
bool isRed(QColor c) {
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}
bool isGreen(QColor c) {
    return c.red() < 60 && c.green() > 200 && c.blue() < 60;
}

// Inside the 20-pixel centre dot but clear of the lines through the centre
// for the displacements used here.
const QPoint kInsideCentreDot(4, -6);

QPoint pixel(double xTwips, double yTwips) {
    return QPoint(static_cast<int>(std::lround(xTwips * qtui::pixelsPerTwip())),
                  static_cast<int>(std::lround(yTwips * qtui::pixelsPerTwip())));
}

// Whether any pixel within `reach` pixels of the twip point passes `test`.
bool anyNear(const QImage& image, double xTwips, double yTwips, int reach,
             const std::function<bool(QColor)>& test) {
    const QPoint centre = pixel(xTwips, yTwips);
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const QPoint p = centre + QPoint(dx, dy);
            if (image.valid(p) && test(image.pixelColor(p))) {
                return true;
            }
        }
    }
    return false;
}

// Whether any pixel right of the controls passes `test`.
bool anyAnywhere(const QImage& image, const std::function<bool(QColor)>& test) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = pixel(1300, 0).x(); x < image.width(); ++x) {
            if (test(image.pixelColor(x, y))) {
                return true;
            }
        }
    }
    return false;
}

// A point `fraction` of the way from the centre to the direction line's far
// end for the angle theta.
QPointF alongDirection(float theta, double fraction) {
    const calc::TwipPoint q = calc::AxisEnds(theta).Q;
    return {calc::kCompassCentreX + fraction * (q.x - calc::kCompassCentreX),
            calc::kCompassCentreY + fraction * (q.y - calc::kCompassCentreY)};
}

bool cyanAlongFarHalf(const QImage& image, float theta) {
    for (double f : {0.6, 0.75, 0.9}) {
        const QPointF p = alongDirection(theta, f);
        if (!anyNear(image, p.x(), p.y(), 1, isCyan)) {
            return false;
        }
    }
    return true;
}

// Whether every pixel that the azimuth label covers at least half when drawn
// alone, for the direction `theta` and the azimuth's display text, is at least
// half black in `image`: the letters are smoothed, so their edges blend with
// what lies under them.
bool showsLabel(const QImage& image, QWidget& window, float theta, const char* azimuthText) {
    QWidget blank;
    blank.setFont(window.font());
    qtui::QtDrawingSurface alone(blank, image.size());
    calc::DrawAzimuthLabel(alone, theta, azimuthText);
    const QImage& reference = alone.image();
    int covered = 0;
    for (int y = 0; y < reference.height(); ++y) {
        for (int x = 0; x < reference.width(); ++x) {
            if (qAlpha(reference.pixel(x, y)) < 128) {
                continue;
            }
            ++covered;
            const QColor c = image.pixelColor(x, y);
            if (std::max({c.red(), c.green(), c.blue()}) > 128) {
                return false;
            }
        }
    }
    return covered > 0;
}

// The calculator with its main window up and the compass window shown, as
// DIRECTION leaves them, in a fresh working directory.
class CompassWindowTest : public testing::Test {
protected:
    explicit CompassWindowTest(const calc::LanguageTable& texts = calc::EnglishTable())
        : t(texts) {}

    void SetUp() override {
        t.registerCalculatorWindows();
        t.forms->setFactory(FormId::Illustrations, nullptr);
        t.forms->startUp(FormId::TV);
        ASSERT_TRUE(t.forms->isLoaded(FormId::LIN1));
        ASSERT_FALSE(t.window(FormId::LIN1)->isVisible());
        QTest::mouseClick(t.window(FormId::TV)->findChild<QPushButton*>("NAPR"), Qt::LeftButton);
        lin1 = t.window(FormId::LIN1);
        ASSERT_NE(lin1, nullptr);
        ASSERT_TRUE(lin1->isVisible());
    }
    QPushButton* button(const char* name) { return lin1->findChild<QPushButton*>(name); }
    QLineEdit* pozia() { return lin1->findChild<QLineEdit*>("POZIA"); }
    void clickStart() { QTest::mouseClick(button("START"), Qt::LeftButton); }
    void handOff(const std::string& line) { dir.write("rlin1.txt", line); }
    QImage picture() { return lin1->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // Runs `action` from the event loop, that is at START's yield.
    void atTheYield(std::function<void()> action) {
        QMetaObject::invokeMethod(lin1, std::move(action), Qt::QueuedConnection);
    }

    TempDir dir;
    InWorkingDirectory inDir{dir.path()};
    TestForms t;
    QWidget* lin1 = nullptr;
};

TEST_F(CompassWindowTest, TabWalksStartExitAndTheDisplacementBox) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(lin1));
    EXPECT_EQ(QApplication::focusWidget(), button("START"));
    QStringList walked;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(walked, (QStringList{"CMDEXIT", "POZIA", "START"}));
}

TEST_F(CompassWindowTest, NothingIsDrawnBeforeTheFirstStart) {
    handOff("180,51.8\r\n");
    const QImage image = picture();
    const QColor background = lin1->palette().color(QPalette::Window);
    const QRect drawingArea(pixel(1300, 0), image.rect().bottomRight());
    for (int y = drawingArea.top(); y <= drawingArea.bottom(); ++y) {
        for (int x = drawingArea.left(); x <= drawingArea.right(); ++x) {
            ASSERT_EQ(image.pixelColor(x, y), background) << x << ", " << y;
        }
    }
}

TEST_F(CompassWindowTest, StartDrawsTheWholeDiagram) {
    handOff("180,51.8422\r\n");
    clickStart();
    EXPECT_TRUE(t.reporter.messages.isEmpty());
    const QImage image = picture();

    // The dot is 20 pixels across; the direction line runs over its middle.
    EXPECT_TRUE(isBlue(image.pixelColor(pixel(3020, 1608) + kInsideCentreDot)));
    EXPECT_FALSE(isBlue(image.pixelColor(pixel(3020, 1608) + 2 * kInsideCentreDot)));
    EXPECT_TRUE(isCyan(image.pixelColor(pixel(3020, 1608))));

    // Displacement -20 and azimuth 180: the line ends on the displaced south.
    EXPECT_TRUE(cyanAlongFarHalf(image, 160.0f));
    EXPECT_FALSE(cyanAlongFarHalf(image, 180.0f));

    // Red labels beside the ends of both crosses.
    const calc::TwipPoint ends[] = {{3020, 108},  {3020, 3108}, {1520, 1608}, {4520, 1608},
                                    {3533, 3018}, {1610, 2121}, {4430, 1095}};
    for (const calc::TwipPoint& end : ends) {
        bool red = false;
        for (int dx = 60; dx <= 300 && !red; dx += 30) {
            red = anyNear(image, end.x + dx, end.y + 100, 4, isRed);
        }
        EXPECT_TRUE(red) << end.x << ", " << end.y;
    }

    // The arc runs on the left of the centre, from 110 to 290 degrees.
    const auto onArc = [](double degrees) {
        const double a = degrees * calc::kCompassPi / 180;
        return QPointF(3020 + 400 * std::cos(a), 1608 - 400 * std::sin(a));
    };
    EXPECT_TRUE(anyNear(image, onArc(150).x(), onArc(150).y(), 1, isBlue));
    EXPECT_TRUE(anyNear(image, onArc(250).x(), onArc(250).y(), 1, isBlue));
    EXPECT_FALSE(anyNear(image, onArc(45).x(), onArc(45).y(), 1, isBlue));

    EXPECT_TRUE(showsLabel(image, *lin1, 160.0f, " 180"));
    EXPECT_FALSE(showsLabel(image, *lin1, 160.0f, " 181"));
}

TEST_F(CompassWindowTest, AzimuthIsRoundedDownToHalfADegree) {
    handOff("191.7,40\r\n");
    pozia()->setText("0");
    clickStart();
    const QImage image = picture();
    EXPECT_TRUE(cyanAlongFarHalf(image, 191.5f));
    EXPECT_TRUE(showsLabel(image, *lin1, 191.5f, " 191.5"));
}

// From a site south of the equator the azimuth points north of east-west:
// the line turns clockwise from north by the azimuth, and the arc sweeps the
// azimuth from the line counterclockwise back to north, the long way round
// for a satellite west of north. Directions in degrees counterclockwise from
// 3 o'clock.
struct NorthernAzimuth {
    const char* name;
    const char* file;
    const char* POZIA;
    float theta;
    const char* shown; // nullptr: the label lies below the window's edge
    std::vector<double> onArc, offArc;
};

class CompassWindowNorthern : public CompassWindowTest,
                              public testing::WithParamInterface<NorthernAzimuth> {};

TEST_P(CompassWindowNorthern, LineArcAndLabel) {
    const NorthernAzimuth& c = GetParam();
    handOff(c.file);
    pozia()->setText(c.POZIA);
    clickStart();
    EXPECT_TRUE(t.reporter.messages.isEmpty());
    const QImage image = picture();
    EXPECT_TRUE(cyanAlongFarHalf(image, c.theta));
    const auto arcNear = [&](double degrees) {
        const double a = degrees * calc::kCompassPi / 180;
        return anyNear(image, 3020 + 400 * std::cos(a), 1608 - 400 * std::sin(a), 1, isBlue);
    };
    for (double degrees : c.onArc) {
        EXPECT_TRUE(arcNear(degrees)) << degrees;
    }
    for (double degrees : c.offArc) {
        EXPECT_FALSE(arcNear(degrees)) << degrees;
    }
    if (c.shown) {
        EXPECT_TRUE(showsLabel(image, *lin1, c.theta, c.shown));
    }
}

// Lines the main window writes for sites south of the equator: 30 degrees
// south, 35 27.69 east, with the satellite at 13 east (west of north) or at
// the site's own longitude (due north); 20 south, 30 west, with the satellite
// at 30 east (east of north).
constexpr const char* kWestOfNorth = "320.414253315555,47.2860513888373\r\n";
constexpr const char* kEastOfNorth = "78.8297716035589,19.8653244976245\r\n";
constexpr const char* kDueNorth = "0,55.0395971549551\r\n";

const NorthernAzimuth kNorthern[] = {
    {"westOfNorth", kWestOfNorth, "-20", 300.0f, " 320", {45, 160}, {310}},
    {"westOfNorthNoDisplacement", kWestOfNorth, "0", 320.0f, " 320", {45, 160}, {290}},
    {"eastOfNorth", kEastOfNorth, "-20", 58.5f, " 78.5", {250}, {45, 160}},
    {"dueNorthHasNoArc", kDueNorth, "0", 0.0f, nullptr, {}, {45, 160, 250, 290}},
    {"halfADegreeShorterThanAPixel", "0.5,55\r\n", "0", 0.5f, nullptr, {}, {45, 160, 250, 290}},
};

INSTANTIATE_TEST_SUITE_P(South, CompassWindowNorthern, testing::ValuesIn(kNorthern),
                         [](const testing::TestParamInfo<NorthernAzimuth>& info) {
                             return info.param.name;
                         });

TEST_F(CompassWindowTest, TextThatIsNoNumberMeansNoDisplacement) {
    handOff("180,40\r\n");
    pozia()->setText("north");
    clickStart();
    const QImage image = picture();
    EXPECT_TRUE(t.reporter.messages.isEmpty());
    EXPECT_TRUE(cyanAlongFarHalf(image, 180.0f));
    EXPECT_FALSE(anyNear(image, 3533, 3018, 2, isRed)); // no displaced north end
}

TEST_F(CompassWindowTest, MissingFileStopsAfterTheCrossesAndTheCentreDot) {
    clickStart();
    EXPECT_EQ(t.reporter.messages,
              QStringList{QString::fromStdString("File not found: " +
                                                 (fs::current_path() / "rlin1.txt").string())});
    const QImage image = picture();
    EXPECT_TRUE(isBlue(image.pixelColor(pixel(3020, 1608) + kInsideCentreDot)));
    EXPECT_TRUE(anyNear(image, 3100, 200, 4, isRed)); // fixed south label
    EXPECT_TRUE(anyNear(image, 2600, 290, 4, isRed)); // displaced south label
    EXPECT_FALSE(anyAnywhere(image, isCyan));
}

struct BadRun {
    const char* name;
    const char* file; // nullptr: no file
    const char* POZIA;
    const char* message;
    bool centreDot;
};

class CompassWindowFails : public CompassWindowTest, public testing::WithParamInterface<BadRun> {};

TEST_P(CompassWindowFails, StopsAtTheFailingStepAndKeepsWhatWasDrawn) {
    if (GetParam().file) {
        handOff(GetParam().file);
    }
    pozia()->setText(GetParam().POZIA);
    clickStart();
    EXPECT_EQ(t.reporter.messages, QStringList{GetParam().message});
    const QImage image = picture();
    EXPECT_TRUE(anyNear(image, 3100, 200, 4, isRed)); // the fixed cross is there
    EXPECT_EQ(isBlue(image.pixelColor(pixel(3020, 1608) + kInsideCentreDot)), GetParam().centreDot);
    EXPECT_FALSE(anyAnywhere(image, isCyan));
}

INSTANTIATE_TEST_SUITE_P(
    Runs, CompassWindowFails,
    testing::Values(BadRun{"oneField", "180\r\n", "-20", "Input past end of file", true},
                    BadRun{"azimuthBeyondSingle", "1E39,5\r\n", "-20", "Overflow", true},
                    BadRun{"displacementBeyondSingle", "180,5\r\n", "1E39", "Overflow", false}),
    [](const testing::TestParamInfo<BadRun>& info) { return info.param.name; });

TEST_F(CompassWindowTest, SecondStartPaintsTheFirstEndDotsBlack) {
    handOff("180,40\r\n");
    QPalette palette = lin1->palette();
    palette.setColor(QPalette::ButtonText, QColor(0, 255, 0));
    lin1->setPalette(palette);

    clickStart();
    const QImage first = picture();
    EXPECT_TRUE(anyNear(first, 3020, 108, 6, isGreen));
    EXPECT_TRUE(anyNear(first, 3020, 3108, 6, isGreen));

    clickStart();
    const QImage second = picture();
    EXPECT_FALSE(anyAnywhere(second, isGreen));
    // Apart from those two dots the pictures are the same.
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            const QPoint p(x, y);
            const bool nearFirstDots = (p - pixel(3020, 108)).manhattanLength() <= 10 ||
                                       (p - pixel(3020, 3108)).manhattanLength() <= 10;
            if (!nearFirstDots) {
                ASSERT_EQ(first.pixel(p), second.pixel(p)) << x << ", " << y;
            }
        }
    }
}

TEST_F(CompassWindowTest, StartInsideTheYieldRedrawsAndTheFirstRunUsesItsDisplacement) {
    handOff("180,40\r\n");
    atTheYield([this] {
        pozia()->setText("0");
        button("START")->click();
    });
    clickStart();
    EXPECT_TRUE(t.reporter.messages.isEmpty());
    const QImage image = picture();
    // The cross at -20 went with the second run's clear.
    EXPECT_FALSE(anyNear(image, 3533 + 150, 3018 + 100, 3, isRed));
    EXPECT_TRUE(anyNear(image, 3020 + 150, 3108 + 100, 3, isRed));
    // Both runs ended with the displacement 0.
    EXPECT_TRUE(cyanAlongFarHalf(image, 180.0f));
    EXPECT_FALSE(cyanAlongFarHalf(image, 160.0f));
    EXPECT_TRUE(showsLabel(image, *lin1, 180.0f, " 180"));
}

TEST_F(CompassWindowTest, CalculationInsideTheYieldIsWhatTheRunReads) {
    handOff("180,40\r\n");
    QWidget* tv = t.window(FormId::TV);
    atTheYield([tv] {
        tv->findChild<QLineEdit*>("Text5")->setText("13");
        tv->findChild<QPushButton*>("Gprog")->click();
    });
    clickStart();
    EXPECT_TRUE(t.reporter.messages.isEmpty());
    const QImage image = picture();
    EXPECT_TRUE(cyanAlongFarHalf(image, -20.0f + 217.0f));
    EXPECT_FALSE(cyanAlongFarHalf(image, 160.0f));
    EXPECT_TRUE(showsLabel(image, *lin1, 197.0f, " 217"));
}

TEST_F(CompassWindowTest, ClosingInsideTheYieldEndsTheRunQuietly) {
    // No file: a run that went on would report it.
    QPointer<QWidget> closed = lin1;
    atTheYield([this] { lin1->close(); });
    // Clicked from a running event loop, as the user would, so that the
    // window's deletion would be due within the yield.
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] {
        clickStart();
        loop.quit();
    });
    loop.exec();
    EXPECT_TRUE(t.reporter.messages.isEmpty());
    EXPECT_FALSE(t.forms->isLoaded(FormId::LIN1));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());
}

TEST_F(CompassWindowTest, ClosedAndReopenedItStartsAfresh) {
    handOff("180,40\r\n");
    pozia()->setText("35");
    clickStart();
    lin1->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::mouseClick(t.window(FormId::TV)->findChild<QPushButton*>("NAPR"), Qt::LeftButton);
    lin1 = t.window(FormId::LIN1);
    ASSERT_NE(lin1, nullptr);
    EXPECT_EQ(pozia()->text(), "-20");
    const QImage image = picture();
    EXPECT_FALSE(anyAnywhere(image, isBlue));
    EXPECT_FALSE(anyAnywhere(image, isRed));
}

TEST_F(CompassWindowTest, ExitBringsTheMainWindowForwardAndStaysOpen) {
    handOff("180,40\r\n");
    clickStart();
    ASSERT_TRUE(QTest::qWaitForWindowActive(lin1));
    QTest::mouseClick(button("CMDEXIT"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitForWindowActive(t.window(FormId::TV)));
    EXPECT_EQ(t.window(FormId::LIN1), lin1);
    EXPECT_TRUE(lin1->isVisible());
    EXPECT_TRUE(cyanAlongFarHalf(picture(), 160.0f));
    EXPECT_EQ(t.ends, 0);
}

TEST_F(CompassWindowTest, DrawingSurvivesResizing) {
    handOff("180,40\r\n");
    clickStart();
    const QSize original = lin1->size();
    lin1->resize(80, 60);
    lin1->resize(original * 2);
    const QImage image = picture();
    EXPECT_TRUE(isBlue(image.pixelColor(pixel(3020, 1608) + kInsideCentreDot)));
    EXPECT_TRUE(cyanAlongFarHalf(image, 160.0f));
    // The drawing keeps its twip coordinates; the new area is plain.
    EXPECT_EQ(image.pixelColor(original.width() + 20, original.height() + 20),
              lin1->palette().color(QPalette::Window));
    // The whole diagram was kept: the fixed cross's west label, cut at the
    // window's edge when it was drawn, shows beyond that edge now.
    bool westBeyondTheEdge = false;
    for (int x = original.width(); x < original.width() + 15; ++x) {
        for (int y = pixel(0, 1608).y(); y < pixel(0, 1608 + 250).y(); ++y) {
            westBeyondTheEdge = westBeyondTheEdge || isRed(image.pixelColor(x, y));
        }
    }
    EXPECT_TRUE(westBeyondTheEdge);
}

class RussianCompassWindowTest : public CompassWindowTest {
protected:
    RussianCompassWindowTest() : CompassWindowTest(calc::RussianTable()) {}
};

TEST_F(RussianCompassWindowTest, OnlyTheLabelDiffers) {
    const QLabel* label = lin1->findChild<QLabel*>("Label1");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QString::fromUtf8(" сдвиг      осей        на        угол"));
    EXPECT_EQ(label->geometry(), qtui::twipsRect(120, 720, 615, 855));
    EXPECT_EQ(button("START")->text(), "START");
    EXPECT_EQ(lin1->windowTitle(), "CYRC1");
    handOff("217.344292538128,44.8168481749088\r\n");
    clickStart();
    EXPECT_TRUE(showsLabel(picture(), *lin1, 197.0f, " 217"));
}

} // namespace
