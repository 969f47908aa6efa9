#include "qt/qtdrawingsurface.h"
#include "qt/twips.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

// A surface of 400 x 300 pixels; positions below are given in pixels and
// turned into twips for the surface.
class QtDrawingSurfaceTest : public testing::Test {
protected:
    QtDrawingSurfaceTest() : surface(window, QSize(400, 300)) {}

    static float twips(double pixels) { return static_cast<float>(pixels / qtui::pixelsPerTwip()); }
    QColor at(double x, double y) const {
        return surface.image().pixelColor(static_cast<int>(std::lround(x)),
                                          static_cast<int>(std::lround(y)));
    }
    bool drawnAt(double x, double y) const { return at(x, y).alpha() != 0; }
    QRect drawnBounds() const {
        QRect bounds;
        const QImage& image = surface.image();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) != 0) {
                    bounds |= QRect(x, y, 1, 1);
                }
            }
        }
        return bounds;
    }

    QWidget window;
    qtui::QtDrawingSurface surface;
};

TEST_F(QtDrawingSurfaceTest, PointIsARoundDotAsWideAsThePen) {
    surface.setForeColour(calc::kBlue);
    surface.setPenWidth(20);
    surface.point(twips(200), twips(100));
    EXPECT_EQ(at(200, 100), QColor(0, 0, 255));
    EXPECT_TRUE(drawnAt(208, 100));
    EXPECT_FALSE(drawnAt(212, 100));
    EXPECT_FALSE(drawnAt(208, 108)); // round, not square
    const QRect bounds = drawnBounds();
    EXPECT_NEAR(bounds.width(), 20, 1);
    EXPECT_NEAR(bounds.height(), 20, 1);
}

TEST_F(QtDrawingSurfaceTest, SolidCircleIsOutlinedInTheForegroundAndFilledBlack) {
    surface.setForeColour(calc::kRed);
    surface.setPenWidth(3);
    surface.setFillStyle(calc::FillStyle::Solid);
    surface.circle(twips(200), twips(150), twips(40));
    EXPECT_EQ(at(200, 150), QColor(Qt::black));
    EXPECT_EQ(at(240, 150), QColor(Qt::red));
    EXPECT_EQ(at(200, 110), QColor(Qt::red));
    EXPECT_FALSE(drawnAt(245, 150));
}

TEST_F(QtDrawingSurfaceTest, CircleWithoutSolidFillIsAnOutlineOnly) {
    surface.setForeColour(calc::kRed);
    surface.circle(twips(200), twips(150), twips(40));
    EXPECT_FALSE(drawnAt(200, 150));
    EXPECT_EQ(at(240, 150), QColor(Qt::red));
}

TEST_F(QtDrawingSurfaceTest, ArcRunsCounterclockwiseAndStaysOpen) {
    const double r = 40;
    const auto onCircle = [&](double degrees) {
        const double a = degrees * std::numbers::pi / 180;
        return QPointF(200 + r * std::cos(a), 150 - r * std::sin(a));
    };
    surface.setForeColour(calc::kBlue);
    surface.setPenWidth(2);
    // From 270 degrees counterclockwise through 3 o'clock to 90 degrees.
    surface.arc(twips(200), twips(150), twips(r), static_cast<float>(1.5 * std::numbers::pi),
                static_cast<float>(0.5 * std::numbers::pi));
    for (double d : {300.0, 0.0, 45.0}) {
        const QPointF p = onCircle(d);
        bool near = false;
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                near = near || at(p.x() + dx, p.y() + dy) == QColor(Qt::blue);
            }
        }
        EXPECT_TRUE(near) << d;
    }
    for (double d : {135.0, 180.0, 225.0}) {
        EXPECT_FALSE(drawnAt(onCircle(d).x(), onCircle(d).y())) << d;
    }
    EXPECT_FALSE(drawnAt(220, 150)); // no line to the centre
    EXPECT_FALSE(drawnAt(200, 150));
}

TEST_F(QtDrawingSurfaceTest, LineTakesItsOwnColourNotTheForeground) {
    surface.setForeColour(calc::kRed);
    surface.setPenWidth(8);
    surface.line(twips(50), twips(100), twips(350), twips(100), calc::kCyan);
    EXPECT_EQ(at(200, 100), QColor(0, 255, 255));
    EXPECT_EQ(at(200, 103), QColor(0, 255, 255));
    EXPECT_FALSE(drawnAt(200, 106));
}

TEST_F(QtDrawingSurfaceTest, TextHangsFromTheTextPosition) {
    surface.setForeColour(calc::kRed);
    surface.setTextPosition(twips(100), twips(100));
    surface.text("EAST");
    const QRect bounds = drawnBounds();
    ASSERT_FALSE(bounds.isEmpty());
    EXPECT_GE(bounds.left(), 100);
    EXPECT_LE(bounds.left(), 102);
    EXPECT_GE(bounds.top(), 100);
    EXPECT_LE(bounds.top(), 106);
    // Smoothed: every pixel is the foreground colour, at its edges only in part.
    bool mostly = false;
    bool partly = false;
    for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
        for (int x = bounds.left(); x <= bounds.right(); ++x) {
            const QColor c = at(x, y);
            EXPECT_TRUE(c.alpha() == 0 || (c.red() == 255 && c.green() == 0 && c.blue() == 0))
                << x << ", " << y;
            mostly = mostly || c.alpha() >= 128;
            partly = partly || (c.alpha() > 0 && c.alpha() < 255);
        }
    }
    EXPECT_TRUE(mostly);
    EXPECT_TRUE(partly);
}

TEST_F(QtDrawingSurfaceTest, ClearErasesAndPutsTheTextPositionAtTheCorner) {
    surface.setPenWidth(20);
    surface.point(twips(200), twips(100));
    surface.setTextPosition(twips(100), twips(100));
    surface.clear();
    EXPECT_TRUE(drawnBounds().isEmpty());
    surface.text("EAST");
    const QRect bounds = drawnBounds();
    ASSERT_FALSE(bounds.isEmpty());
    EXPECT_LE(bounds.left(), 2);
    EXPECT_LE(bounds.top(), 6);
}

TEST_F(QtDrawingSurfaceTest, TheWindowsTextColourIsTheFirstForeground) {
    QPalette palette = window.palette();
    palette.setColor(QPalette::ButtonText, QColor(0, 200, 0));
    window.setPalette(palette);
    surface.setPenWidth(10);
    surface.point(twips(200), twips(100));
    EXPECT_EQ(at(200, 100), QColor(0, 200, 0));
}

TEST_F(QtDrawingSurfaceTest, DrawingBeyondTheImageGrowsItAndKeepsWhatWasDrawn) {
    surface.setPenWidth(10);
    surface.point(twips(200), twips(100)); // well inside: the image keeps its size
    EXPECT_EQ(surface.image().size(), QSize(400, 300));
    surface.point(twips(600), twips(100));
    EXPECT_EQ(surface.image().height(), 300);
    EXPECT_TRUE(drawnAt(200, 100));
    EXPECT_TRUE(drawnAt(604, 100));
    surface.setTextPosition(twips(100), twips(295));
    surface.text("WEST");
    EXPECT_TRUE(drawnAt(200, 100));
    EXPECT_TRUE(drawnAt(604, 100));
    bool below = false;
    for (int x = 100; x < 140; ++x) {
        below = below || drawnAt(x, 302);
    }
    EXPECT_TRUE(below);
}

} // namespace
