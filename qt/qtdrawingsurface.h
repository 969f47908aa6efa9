#pragma once

#include "core/drawingsurface.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRectF>

#include <optional>

class QPainter;
class QWidget;

namespace qtui {

// The compass drawing surface of a window: an image that the window shows in
// its paintEvent, as large as the window's client area to begin with and
// growing to hold everything drawn on it. Twips become pixels by the screen's
// logical resolution. The drawing stays in the image until it is cleared, so
// covering or resizing the window does not lose it, and enlarging the window
// shows the whole of it.
class QtDrawingSurface : public calc::DrawingSurface {
public:
    // Draws for `window`: its font for text, and its button-text colour until
    // a foreground colour is set. The image covers `size` (pixels) to begin
    // with.
    QtDrawingSurface(QWidget& window, QSize size);
    Q_DISABLE_COPY(QtDrawingSurface)

    const QImage& image() const { return m_image; }

    void clear() override;
    void setPenWidth(int pixels) override;
    void setFillStyle(calc::FillStyle style) override;
    void setForeColour(calc::Colour colour) override;
    void line(float x1, float y1, float x2, float y2, calc::Colour colour) override;
    void circle(float x, float y, float radius) override;
    void arc(float x, float y, float radius, float start, float end) override;
    void point(float x, float y) override;
    void setTextPosition(float x, float y) override;
    void text(std::string_view text) override;

private:
    // Grows the image to cover `size` (pixels), keeping what is drawn; never
    // shrinks it.
    void cover(QSize size);
    void begin(QPainter& painter, const QRectF& reach);
    QColor foreground() const;
    void changed();

    QWidget& m_window;
    QImage m_image;
    std::optional<QColor> m_foreground;
    int m_penWidth = 1;
    calc::FillStyle m_fillStyle = calc::FillStyle::Transparent;
    QPointF m_textPosition; // twips
};

} // namespace qtui
