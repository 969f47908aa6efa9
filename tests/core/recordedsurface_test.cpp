#include "core/recordedsurface.h"

#include <gtest/gtest.h>

#include <numbers>
#include <string>
#include <vector>

namespace {

using Kind = calc::DrawingStep::Kind;

// Writes down what the surface asks its front end to do.
class Logged final : public calc::RecordedSurface {
public:
    Logged() { clear(); }
    std::vector<std::string> log;
    std::vector<calc::DrawingStep> drawn;
    using RecordedSurface::redraw;

private:
    void erase() override { log.push_back("erase"); }
    void draw(const calc::DrawingStep& step) override {
        log.push_back("draw");
        drawn.push_back(step);
    }
};

TEST(RecordedSurface, EachStepCarriesTheStateItWasDrawnIn) {
    Logged surface;
    surface.point(1, 2);
    surface.setPenWidth(3);
    surface.setFillStyle(calc::FillStyle::Solid);
    surface.setForeColour({255, 0, 0});
    surface.circle(10, 20, 30);
    surface.line(0, 0, 5, 5, {0, 0, 255});
    surface.setTextPosition(7, 8);
    surface.text("N");
    const auto& steps = surface.steps();
    ASSERT_EQ(steps.size(), 4u);
    // Nothing set a colour yet: the window's own.
    EXPECT_EQ(steps[0].colour, std::nullopt);
    EXPECT_EQ(steps[0].penWidth, 1);
    EXPECT_EQ(steps[1].kind, Kind::Circle);
    EXPECT_EQ(steps[1].colour, (calc::Colour{255, 0, 0}));
    EXPECT_EQ(steps[1].penWidth, 3);
    EXPECT_TRUE(steps[1].filled);
    // A line has a colour of its own.
    EXPECT_EQ(steps[2].colour, (calc::Colour{0, 0, 255}));
    EXPECT_EQ(steps[3].kind, Kind::Text);
    EXPECT_EQ((std::tuple{steps[3].x, steps[3].y, steps[3].text}), (std::tuple{7.f, 8.f, "N"}));
    EXPECT_EQ(surface.drawn.size(), 4u);
}

TEST(RecordedSurface, ClearErasesForgetsTheFiguresAndKeepsTheState) {
    Logged surface;
    surface.setPenWidth(2);
    surface.setForeColour({0, 255, 0});
    surface.setTextPosition(100, 200);
    surface.point(1, 1);
    surface.clear();
    EXPECT_TRUE(surface.steps().empty());
    surface.text("S");
    const calc::DrawingStep& text = surface.steps().at(0);
    EXPECT_EQ((std::tuple{text.x, text.y}), (std::tuple{0.f, 0.f}));
    EXPECT_EQ(text.colour, (calc::Colour{0, 255, 0}));
    EXPECT_EQ(text.penWidth, 2);
    EXPECT_EQ(surface.log, (std::vector<std::string>{"erase", "draw", "erase", "draw"}));
}

TEST(RecordedSurface, AnArcSweepsCounterclockwiseAndCoincidingEndsMarkNothing) {
    constexpr double kTurn = 2 * std::numbers::pi;
    const struct {
        float start, end;
        double sweep; // 0: not drawn
    } rows[] = {{1, 2, 1}, {5, 1, 1 - 5 + kTurn}, {0, 6, 6}, {2, 2, 0}, {0, 0, 0}};
    for (const auto& row : rows) {
        Logged surface;
        surface.arc(0, 0, 10, row.start, row.end);
        if (row.sweep == 0) {
            EXPECT_TRUE(surface.drawn.empty()) << row.start << " to " << row.end;
            continue;
        }
        ASSERT_EQ(surface.drawn.size(), 1u);
        EXPECT_NEAR(surface.drawn[0].sweep, row.sweep, 1e-6) << row.start << " to " << row.end;
    }
}

TEST(RecordedSurface, RedrawErasesAndDrawsEveryFigureSinceTheClearAgain) {
    Logged surface;
    surface.point(1, 1);
    surface.clear();
    surface.point(2, 2);
    surface.line(0, 0, 1, 1, {});
    surface.log.clear();
    surface.drawn.clear();
    surface.redraw();
    EXPECT_EQ(surface.log, (std::vector<std::string>{"erase", "draw", "draw"}));
    EXPECT_EQ(surface.drawn.at(0).x, 2.f);
}

} // namespace
