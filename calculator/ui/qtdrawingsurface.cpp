#include "qtdrawingsurface.h"

#include "caption.h"
#include "twips.h"

#include <QPainter>
#include <QTextLayout>
#include <QWidget>

#include <cmath>
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

// Dots are small (an end dot is some 7 pixels across), so they are drawn
// smoothed, on whole device pixels, to come out round.
void QtDrawingSurface::circle(float x, float y, float radius) {
    QPainter painter;
    begin(painter);
    painter.setPen(QPen(foreground(), m_penWidth));
    painter.setBrush(m_fillStyle == calc::FillStyle::Solid ? QBrush(Qt::black) : QBrush());
    const qreal ratio = m_image.devicePixelRatio();
    const int deviceRadius = static_cast<int>(std::lround(radius * pixelsPerTwip() * ratio));
    const int deviceExtent = 2 * deviceRadius + static_cast<int>(std::lround(m_penWidth * ratio));
    const double r = deviceRadius / ratio;
    painter.drawEllipse(onGrid(pixels(x, y), deviceExtent, ratio), r, r);
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
    const qreal ratio = m_image.devicePixelRatio();
    const int deviceExtent = static_cast<int>(std::lround(m_penWidth * ratio));
    painter.drawPoint(onGrid(pixels(x, y), deviceExtent, ratio));
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
    QPainter painter;
    begin(painter);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(foreground());
    const QPointF topLeft = pixels(m_textPosition.x(), m_textPosition.y());
    layout->draw(&painter, QPointF(std::round(topLeft.x()), std::round(topLeft.y())));
    changed();
}

} // namespace calcui
