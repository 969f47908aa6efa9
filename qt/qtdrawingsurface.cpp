#include "qtdrawingsurface.h"

#include "qt/caption.h"
#include "qt/twips.h"

#include <QPainter>
#include <QTextLayout>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

namespace qtui {

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

// A figure's centre, in pixels, moved onto the image's pixel grid: the middle
// of a device pixel for a figure an odd number of device pixels across, a
// pixel corner for an even one, so that a dot comes out the same on every side.
QPointF onGrid(QPointF centre, int deviceExtent, qreal pixelRatio) {
    const auto snap = [&](double logical) {
        const double device = logical * pixelRatio;
        const double placed = deviceExtent % 2 ? std::floor(device) + 0.5 : std::round(device);
        return placed / pixelRatio;
    };
    return {snap(centre.x()), snap(centre.y())};
}

// `figure` with room for a pen of `penWidth` pixels (and its round caps) and
// for a smoothed edge.
QRectF around(const QRectF& figure, int penWidth) {
    const double margin = penWidth / 2.0 + 1;
    return figure.adjusted(-margin, -margin, margin, margin);
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

// Lines and arcs are drawn without smoothing, as the old window system drew
// them: their colour is exact, and drawing the same figure twice gives the
// same pixels as drawing it once.
// The image first grows to hold what is drawn (`reach`, in pixels), so that
// the whole diagram is kept, whatever the window's size when it was drawn.
void QtDrawingSurface::begin(QPainter& painter, const QRectF& reach) {
    const double limit = twipsToPixels(std::numeric_limits<std::int16_t>::max());
    cover(QSize(static_cast<int>(std::ceil(std::clamp(reach.right(), 0.0, limit))) + 1,
                static_cast<int>(std::ceil(std::clamp(reach.bottom(), 0.0, limit))) + 1));
    painter.begin(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    // What is drawn replaces what lies under it; the colours are opaque, so
    // drawing over is copying.
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
    const QPointF from = pixels(x1, y1);
    const QPointF to = pixels(x2, y2);
    QPainter painter;
    begin(painter, around(QRectF(from, to).normalized(), m_penWidth));
    painter.setPen(QPen(toQColor(colour), m_penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(from, to);
    changed();
}

// Dots are small (an end dot is some 7 pixels across); drawn centred on the
// pixel grid with a whole radius, they come out round, the same on every side.
void QtDrawingSurface::circle(float x, float y, float radius) {
    const qreal ratio = m_image.devicePixelRatio();
    const int deviceRadius = static_cast<int>(std::lround(radius * pixelsPerTwip() * ratio));
    const int deviceExtent = 2 * deviceRadius + static_cast<int>(std::lround(m_penWidth * ratio));
    const double r = deviceRadius / ratio;
    const QPointF centre = onGrid(pixels(x, y), deviceExtent, ratio);
    QPainter painter;
    begin(painter, around(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), m_penWidth));
    painter.setPen(QPen(foreground(), m_penWidth));
    painter.setBrush(m_fillStyle == calc::FillStyle::Solid ? QBrush(Qt::black) : QBrush());
    painter.drawEllipse(centre, r, r);
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
    const double r = radius * pixelsPerTwip();
    const QPointF centre = pixels(x, y);
    const QRectF bounds(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    QPainter painter;
    begin(painter, around(bounds, m_penWidth));
    painter.setPen(QPen(foreground(), m_penWidth, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    // Qt counts arcs in sixteenths of a degree, counterclockwise from 3 o'clock.
    painter.drawArc(bounds, qRound(degrees(start) * 16), qRound(sweep * 16));
    changed();
}

void QtDrawingSurface::point(float x, float y) {
    const qreal ratio = m_image.devicePixelRatio();
    const int deviceExtent = static_cast<int>(std::lround(m_penWidth * ratio));
    const QPointF centre = onGrid(pixels(x, y), deviceExtent, ratio);
    QPainter painter;
    begin(painter, around(QRectF(centre, centre), m_penWidth));
    painter.setPen(QPen(foreground(), m_penWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawPoint(centre);
    changed();
}

void QtDrawingSurface::setTextPosition(float x, float y) {
    m_textPosition = QPointF(x, y);
}

// Text is drawn as the window's labels draw theirs: laid out in the window's
// font for the window, smoothed, and starting on a whole pixel.
void QtDrawingSurface::text(std::string_view text) {
    const auto layout =
        captionLayout(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                      m_window.font(), &m_window, -1);
    const QPointF position = pixels(m_textPosition.x(), m_textPosition.y());
    const QPointF topLeft(std::round(position.x()), std::round(position.y()));
    QPainter painter;
    begin(painter, around(layout->boundingRect().translated(topLeft), 0));
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(foreground());
    layout->draw(&painter, topLeft);
    changed();
}

} // namespace qtui
