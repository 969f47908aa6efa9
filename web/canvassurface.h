#pragma once

#include "core/drawingsurface.h"

#include <string_view>

namespace webui {

// The compass drawing on a window's canvas, without smoothing, in the
// display's own pixels: at 200 % every place and every pen width doubles.
// The text, as the labels', is smoothed.
class CanvasSurface final : public calc::DrawingSurface {
public:
    explicit CanvasSurface(int window);

    void clear() override;
    void setPenWidth(int pixels) override { m_penWidth = pixels; }
    void setFillStyle(calc::FillStyle style) override { m_fillStyle = style; }
    void setForeColour(calc::Colour colour) override { m_foreground = colour; }
    void line(float x1, float y1, float x2, float y2, calc::Colour colour) override;
    void circle(float x, float y, float radius) override;
    void arc(float x, float y, float radius, float start, float end) override;
    void point(float x, float y) override;
    void setTextPosition(float x, float y) override;
    void text(std::string_view text) override;

private:
    // Twips to the display's pixels, and a pen's width in them.
    double pixels(float twips) const;
    int pen() const { return m_penWidth * m_scale; }

    int m_window;
    int m_scale; // the display's pixels to a CSS pixel, a whole number
    int m_penWidth = 1;
    calc::FillStyle m_fillStyle = calc::FillStyle::Transparent;
    calc::Colour m_foreground{0, 0, 0};
    float m_textX = 0;
    float m_textY = 0;
};

} // namespace webui
