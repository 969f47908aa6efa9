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

double degrees(double radians) {
    return radians * 180.0 / std::numbers::pi;
}

// A figure's centre, in pixels, moved onto the image's grid of device
// pixels.
QPointF onGrid(QPointF centre, int deviceExtent, qreal pixelRatio) {
    const auto snap = [&](double logical) {
        return calc::OnPixelGrid(logical * pixelRatio, deviceExtent) / pixelRatio;
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

QColor QtDrawingSurface::colour(const calc::DrawingStep& step) const {
    return step.colour ? toQColor(*step.colour) : m_window.palette().color(QPalette::ButtonText);
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

void QtDrawingSurface::erase() {
    m_image.fill(Qt::transparent);
    changed();
}

void QtDrawingSurface::draw(const calc::DrawingStep& step) {
    switch (step.kind) {
    case calc::DrawingStep::Kind::Line:
        drawLine(step);
        break;
    case calc::DrawingStep::Kind::Circle:
        drawCircle(step);
        break;
    case calc::DrawingStep::Kind::Arc:
        drawArc(step);
        break;
    case calc::DrawingStep::Kind::Point:
        drawPoint(step);
        break;
    case calc::DrawingStep::Kind::Text:
        drawText(step);
        break;
    }
    changed();
}

void QtDrawingSurface::drawLine(const calc::DrawingStep& step) {
    const QPointF from = pixels(step.x, step.y);
    const QPointF to = pixels(step.x2, step.y2);
    QPainter painter;
    begin(painter, around(QRectF(from, to).normalized(), step.penWidth));
    painter.setPen(QPen(colour(step), step.penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(from, to);
}

// Dots are small (an end dot is some 7 pixels across); drawn centred on the
// pixel grid with a whole radius, they come out round, the same on every side.
void QtDrawingSurface::drawCircle(const calc::DrawingStep& step) {
    const qreal ratio = m_image.devicePixelRatio();
    const int deviceRadius = static_cast<int>(std::lround(step.radius * pixelsPerTwip() * ratio));
    const int deviceExtent =
        2 * deviceRadius + static_cast<int>(std::lround(step.penWidth * ratio));
    const double r = deviceRadius / ratio;
    const QPointF centre = onGrid(pixels(step.x, step.y), deviceExtent, ratio);
    QPainter painter;
    begin(painter, around(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), step.penWidth));
    painter.setPen(QPen(colour(step), step.penWidth));
    painter.setBrush(step.filled ? QBrush(Qt::black) : QBrush());
    painter.drawEllipse(centre, r, r);
}

void QtDrawingSurface::drawArc(const calc::DrawingStep& step) {
    const double r = step.radius * pixelsPerTwip();
    const QPointF centre = pixels(step.x, step.y);
    const QRectF bounds(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    QPainter painter;
    begin(painter, around(bounds, step.penWidth));
    painter.setPen(QPen(colour(step), step.penWidth, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    // Qt counts arcs in sixteenths of a degree, counterclockwise from 3 o'clock.
    painter.drawArc(bounds, qRound(degrees(step.start) * 16), qRound(degrees(step.sweep) * 16));
}

void QtDrawingSurface::drawPoint(const calc::DrawingStep& step) {
    const qreal ratio = m_image.devicePixelRatio();
    const int deviceExtent = static_cast<int>(std::lround(step.penWidth * ratio));
    const QPointF centre = onGrid(pixels(step.x, step.y), deviceExtent, ratio);
    QPainter painter;
    begin(painter, around(QRectF(centre, centre), step.penWidth));
    painter.setPen(QPen(colour(step), step.penWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawPoint(centre);
}

// Text is drawn as the window's labels draw theirs: laid out in the window's
// font for the window, smoothed, and starting on a whole pixel.
void QtDrawingSurface::drawText(const calc::DrawingStep& step) {
    const auto layout =
        captionLayout(QString::fromStdString(step.text), m_window.font(), &m_window, -1);
    const QPointF position = pixels(step.x, step.y);
    const QPointF topLeft(std::round(position.x()), std::round(position.y()));
    QPainter painter;
    begin(painter, around(layout->boundingRect().translated(topLeft), 0));
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(colour(step));
    layout->draw(&painter, topLeft);
}

} // namespace qtui
