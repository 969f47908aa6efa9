#pragma once

#include "core/recordedsurface.h"

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
class QtDrawingSurface : public calc::RecordedSurface {
public:
    // Draws for `window`: its font for text, and its button-text colour until
    // a foreground colour is set. The image covers `size` (pixels) to begin
    // with.
    QtDrawingSurface(QWidget& window, QSize size);
    Q_DISABLE_COPY(QtDrawingSurface)

    const QImage& image() const { return m_image; }

private:
    void erase() override;
    void draw(const calc::DrawingStep& step) override;
    void drawLine(const calc::DrawingStep& step);
    void drawCircle(const calc::DrawingStep& step);
    void drawArc(const calc::DrawingStep& step);
    void drawPoint(const calc::DrawingStep& step);
    void drawText(const calc::DrawingStep& step);

    // Grows the image to cover `size` (pixels), keeping what is drawn; never
    // shrinks it.
    void cover(QSize size);
    void begin(QPainter& painter, const QRectF& reach);
    // The step's colour, or the window's button-text colour where none was
    // set.
    QColor colour(const calc::DrawingStep& step) const;
    void changed();

    QWidget& m_window;
    QImage m_image;
};

} // namespace qtui
