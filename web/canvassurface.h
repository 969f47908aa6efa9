#pragma once

#include "core/recordedsurface.h"

namespace webui {

// The compass drawing on a window's canvas, without smoothing, in the
// display's own pixels: at 200 % every place and every pen width doubles.
// The text, as the labels', is smoothed. Where nothing set a foreground
// colour, figures are black.
class CanvasSurface final : public calc::RecordedSurface {
public:
    explicit CanvasSurface(int window);

private:
    void erase() override;
    void draw(const calc::DrawingStep& step) override;
    // Twips to the display's pixels, and a pen's width in them.
    double pixels(float twips) const;
    int pen(const calc::DrawingStep& step) const { return step.penWidth * m_scale; }

    int m_window;
    int m_scale; // the display's pixels to a CSS pixel, a whole number
};

} // namespace webui
