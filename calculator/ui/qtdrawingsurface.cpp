#include "qtdrawingsurface.h"

#include "twips.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QWidget>

#include <numbers>

namespace calcui {

namespace {

QColor toQColor(calc::Colour colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

QPointF pixels(float x, float y) {
    const double scale = pixelsPerTwip();
    return QPointF(x * scale, y * scale);
}

double degrees(float radians) {
    return radians * 180.0 / std::numbers::pi;
}

QImage blankImage(QSize size, qreal pixelRatio) {
    QImage image(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

QtDrawingSurface::QtDrawingSurface(QWidget& window, QSize size)
    : m_window(window), m_image(blankImage(size, window.devicePixelRatioF())) {}

QColor QtDrawingSurface::foreground() const {
    return m_foreground.value_or(m_window.palette().color(QPalette::ButtonText));
}

void QtDrawingSurface::cover(QSize size) {
    const QSize have = m_image.deviceIndependentSize().toSize();
    if (have.width() >= size.width() && have.height() >= size.height()) {
        return;
    }
    QImage larger = blankImage(have.expandedTo(size), m_image.devicePixelRatio());
    QPainter painter(&larger);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPointF(0, 0), m_image);
    painter.end();
    m_image = std::move(larger);
}

// The old window system drew without smoothing, and so does this surface:
// drawing the same figure twice gives the same pixels as drawing it once.
void QtDrawingSurface::begin(QPainter& painter) {
    painter.begin(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    // Plain copy is the only drawing mode; the colours are opaque, so drawing
    // over is copying.
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void QtDrawingSurface::changed() {
    m_window.update();
}

void QtDrawingSurface::clear() {
    m_image.fill(Qt::transparent);
    m_textPosition = QPointF(0, 0);
    changed();
}

void QtDrawingSurface::setDrawMode(calc::DrawMode mode) {
    m_drawMode = mode;
}

void QtDrawingSurface::setPenWidth(int pixels) {
    m_penWidth = pixels;
}

void QtDrawingSurface::setFillStyle(calc::FillStyle style) {
    m_fillStyle = style;
}

void QtDrawingSurface::setForeColour(calc::Colour colour) {
    m_foreground = toQColor(colour);
}

void QtDrawingSurface::line(float x1, float y1, float x2, float y2, calc::Colour colour) {
    QPainter painter;
    begin(painter);
    painter.setPen(QPen(toQColor(colour), m_penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(pixels(x1, y1), pixels(x2, y2));
    changed();
}

void QtDrawingSurface::circle(float x, float y, float radius) {
    QPainter painter;
    begin(painter);
    painter.setPen(QPen(foreground(), m_penWidth));
    painter.setBrush(m_fillStyle == calc::FillStyle::Solid ? QBrush(Qt::black) : QBrush());
    const double r = radius * pixelsPerTwip();
    painter.drawEllipse(pixels(x, y), r, r);
    changed();
}

void QtDrawingSurface::arc(float x, float y, float radius, float start, float end) {
    double sweep = degrees(end) - degrees(start);
    if (sweep < 0) {
        sweep += 360.0;
    }
    if (sweep == 0) {
        // Start and end coincide only for an azimuth of 0: nothing to mark.
        return;
    }
    QPainter painter;
    begin(painter);
    painter.setPen(QPen(foreground(), m_penWidth, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    const double r = radius * pixelsPerTwip();
    const QPointF centre = pixels(x, y);
    const QRectF bounds(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    // Qt counts arcs in sixteenths of a degree, counterclockwise from 3 o'clock.
    painter.drawArc(bounds, qRound(degrees(start) * 16), qRound(sweep * 16));
    changed();
}

void QtDrawingSurface::point(float x, float y) {
    QPainter painter;
    begin(painter);
    painter.setPen(QPen(foreground(), m_penWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawPoint(pixels(x, y));
    changed();
}

void QtDrawingSurface::setTextPosition(float x, float y) {
    m_textPosition = QPointF(x, y);
}

void QtDrawingSurface::text(std::string_view text) {
    QFont font = m_window.font();
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoAntialias));
    QPainter painter;
    begin(painter);
    painter.setFont(font);
    painter.setPen(foreground());
    const QPointF topLeft = pixels(m_textPosition.x(), m_textPosition.y());
    const QFontMetricsF metrics(font, &m_image);
    painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()),
                     QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    changed();
}

} // namespace calcui
