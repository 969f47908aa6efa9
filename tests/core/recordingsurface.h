#pragma once

#include "core/drawingsurface.h"

#include <string>
#include <vector>

// A drawing surface that writes down what is drawn on it, each drawing with the
// colour and pen width it was drawn in, and keeps the drawing state as a real
// surface does.
class RecordingSurface : public calc::DrawingSurface {
public:
    enum class Kind { Clear, Line, Circle, Arc, Point, Text };

    struct Drawn {
        Kind kind;
        std::vector<float> at; // the operation's coordinates and further numbers
        calc::Colour colour;   // the line's own colour, else the foreground's
        int penWidth;
        bool filled;      // circles only
        std::string text; // texts only
    };

    // Stands for the window's own foreground colour before anything set one.
    static constexpr calc::Colour kWindowDefault{1, 2, 3};

    void clear() override {
        add(Kind::Clear, {}, foreground);
        textX = textY = 0;
    }
    void setPenWidth(int pixels) override { penWidth = pixels; }
    void setFillStyle(calc::FillStyle style) override { fillStyle = style; }
    void setForeColour(calc::Colour colour) override { foreground = colour; }
    void line(float x1, float y1, float x2, float y2, calc::Colour colour) override {
        add(Kind::Line, {x1, y1, x2, y2}, colour);
    }
    void circle(float x, float y, float radius) override {
        add(Kind::Circle, {x, y, radius}, foreground);
    }
    void arc(float x, float y, float radius, float start, float end) override {
        add(Kind::Arc, {x, y, radius, start, end}, foreground);
    }
    void point(float x, float y) override { add(Kind::Point, {x, y}, foreground); }
    void setTextPosition(float x, float y) override {
        textX = x;
        textY = y;
    }
    void text(std::string_view text) override {
        add(Kind::Text, {textX, textY}, foreground);
        drawn.back().text = text;
    }

    std::vector<Drawn> of(Kind kind) const {
        std::vector<Drawn> found;
        for (const Drawn& d : drawn) {
            if (d.kind == kind) {
                found.push_back(d);
            }
        }
        return found;
    }

    std::vector<Drawn> drawn;
    calc::Colour foreground = kWindowDefault;
    int penWidth = 1;
    calc::FillStyle fillStyle = calc::FillStyle::Transparent;
    float textX = 0;
    float textY = 0;

private:
    void add(Kind kind, std::vector<float> at, calc::Colour colour) {
        drawn.push_back(
            {kind, std::move(at), colour, penWidth, fillStyle == calc::FillStyle::Solid, {}});
    }
};
