#include "canvas.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

const QColor Canvas::kPaper(0xf6, 0xf2, 0xe6);
const QColor Canvas::kInk(0x1d, 0x35, 0x57);
const QColor Canvas::kAccent(0xd6, 0x28, 0x28);
const QColor Canvas::kSky(0xcf, 0xe6, 0xf5);
const QColor Canvas::kGround(0x9c, 0xc0, 0x7a);

namespace {

QPointF polar(QPointF centre, double radius, double degreesCounterclockwise) {
    const double a = Radians(degreesCounterclockwise);
    return centre + QPointF(radius * std::cos(a), -radius * std::sin(a));
}

} // namespace

Canvas::Canvas()
    : m_image(kWidth, kHeight, QImage::Format_RGB32),
      m_owner(static_cast<std::size_t>(kWidth) * kHeight, kBackground) {
    m_image.fill(kPaper);
    m_before = m_image.copy();
    m_painter.begin(&m_image);
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
    // Nothing is drawn where the window never shows it, so a larger window
    // shows plain paper there rather than cut-off drawings.
    m_painter.setClipRect(QRect(0, 0, kVisibleWidth, kVisibleHeight));
}

void Canvas::shape(const QString& name) {
    claimPainted();
    m_shapes.append(name);
    m_current = static_cast<int>(m_shapes.size()) - 1;
}

void Canvas::background() {
    claimPainted();
    m_current = kBackground;
}

void Canvas::claimPainted() {
    for (int y = 0; y < kHeight; ++y) {
        const auto* now = reinterpret_cast<const QRgb*>(m_image.constScanLine(y));
        const auto* before = reinterpret_cast<const QRgb*>(m_before.constScanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            if (now[x] != before[x]) {
                m_owner[static_cast<std::size_t>(y) * kWidth + x] = m_current;
            }
        }
    }
    m_before = m_image.copy();
}

Picture Canvas::finish() {
    claimPainted();
    m_painter.end();
    return {m_image, clashes()};
}

QStringList Canvas::clashes() const {
    QStringList found;
    for (std::size_t i = 0; i < m_texts.size(); ++i) {
        const PlacedText& placed = m_texts[i];
        QStringList touched;
        for (const QRectF& line : placed.lines) {
            const QRect pixels = line.toAlignedRect() & QRect(0, 0, kWidth, kHeight);
            for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
                for (int x = pixels.left(); x <= pixels.right(); ++x) {
                    const int owner = m_owner[static_cast<std::size_t>(y) * kWidth + x];
                    if (owner != kBackground && !touched.contains(m_shapes[owner])) {
                        touched.append(m_shapes[owner]);
                    }
                }
            }
        }
        for (const QString& shape : touched) {
            found.append(QStringLiteral("text \"%1\" touches the %2").arg(placed.text, shape));
        }
        for (std::size_t j = i + 1; j < m_texts.size(); ++j) {
            const auto meets = [&placed](const QRectF& other) {
                return std::any_of(placed.lines.begin(), placed.lines.end(),
                                   [&other](const QRectF& line) { return line.intersects(other); });
            };
            if (std::any_of(m_texts[j].lines.begin(), m_texts[j].lines.end(), meets)) {
                found.append(QStringLiteral("text \"%1\" meets text \"%2\"")
                                 .arg(placed.text, m_texts[j].text));
            }
        }
    }
    return found;
}

void Canvas::page(const QString& heading) {
    shape(QStringLiteral("frame"));
    m_painter.setPen(QPen(kInk, 2));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(QRectF(2, 2, kVisibleWidth - 5, kVisibleHeight - 5));
    text(QRectF(kButtonsRight + 8, 12, kVisibleWidth - kButtonsRight - 20, 24), {heading}, 17, kInk,
         true);
    shape(QStringLiteral("heading rule"));
    m_painter.setPen(QPen(kAccent, 2));
    m_painter.drawLine(QPointF(kButtonsRight + 8, 40), QPointF(kVisibleWidth - 12, 40));
}

void Canvas::text(const QRectF& box, const QStringList& lines, double pixelSize,
                  const QColor& colour, bool bold, Qt::Alignment align) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(bold);
    double size = pixelSize;
    for (;; size -= 0.5) {
        font.setPixelSize(static_cast<int>(size));
        const QFontMetricsF metrics(font);
        double widest = 0;
        for (const QString& line : lines) {
            widest = std::max(widest, metrics.horizontalAdvance(line));
        }
        if (widest <= box.width() && metrics.lineSpacing() * lines.size() <= box.height() + 2) {
            break;
        }
        if (size <= 8) {
            break;
        }
    }
    claimPainted();
    m_painter.setFont(font);
    m_painter.setPen(colour);
    const double step = QFontMetricsF(font).lineSpacing();
    PlacedText placed{lines.join(QLatin1Char(' ')), {}};
    for (int i = 0; i < lines.size(); ++i) {
        const QRectF line(box.left(), box.top() + i * step, box.width(), step);
        QRectF drawn;
        m_painter.drawText(line, static_cast<int>(align | Qt::AlignVCenter), lines[i], &drawn);
        if (!lines[i].trimmed().isEmpty()) {
            placed.lines.push_back(drawn);
        }
    }
    m_texts.push_back(placed);
    // The text's own pixels belong to no shape.
    m_before = m_image.copy();
}

void Canvas::arrowHead(QPointF tip, double directionDegrees, const QColor& colour, double size) {
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(polar(tip, size, directionDegrees + 180 - 25));
    head.lineTo(polar(tip, size, directionDegrees + 180 + 25));
    head.closeSubpath();
    m_painter.fillPath(head, colour);
}

void Canvas::sideDish(QPointF foot, double aimDegrees, double scale) {
    const QColor metal(0x6c, 0x75, 0x7d);
    const QPointF pivot = foot + QPointF(0, -26 * scale);
    m_painter.setPen(QPen(metal.darker(130), 4 * scale, Qt::SolidLine, Qt::RoundCap));
    m_painter.drawLine(foot, pivot);
    m_painter.drawLine(foot + QPointF(-10 * scale, 0), foot + QPointF(10 * scale, 0));

    // The bowl: a shallow curve across the aim, its hollow towards the aim.
    const QPointF rimA = polar(pivot, 24 * scale, aimDegrees + 90);
    const QPointF rimB = polar(pivot, 24 * scale, aimDegrees - 90);
    const QPointF back = polar(pivot, -12 * scale, aimDegrees);
    QPainterPath bowl;
    bowl.moveTo(rimA);
    bowl.quadTo(back + (back - pivot), rimB);
    bowl.quadTo(pivot, rimA);
    m_painter.setPen(QPen(metal.darker(150), 1.5 * scale));
    m_painter.setBrush(QColor(0xe9, 0xec, 0xef));
    m_painter.drawPath(bowl);

    // The feed arm and the receiving head in the bowl's focus.
    const QPointF feed = polar(pivot, 22 * scale, aimDegrees);
    m_painter.setPen(QPen(metal.darker(150), 1.5 * scale));
    m_painter.drawLine(rimB, feed);
    m_painter.setBrush(kInk);
    m_painter.drawEllipse(feed, 3 * scale, 3 * scale);
}

void Canvas::satellite(QPointF centre, double scale, double opacity) {
    m_painter.save();
    m_painter.setOpacity(opacity);
    m_painter.translate(centre);
    m_painter.scale(scale, scale);
    m_painter.rotate(-20);
    const QColor panel(0x2b, 0x4c, 0x9c);
    m_painter.setPen(QPen(kInk, 1));
    m_painter.drawLine(QPointF(-30, 0), QPointF(30, 0));
    for (int side : {-1, 1}) {
        const QRectF wing(side < 0 ? -34 : 12, -6, 22, 12);
        m_painter.setBrush(panel);
        m_painter.drawRect(wing);
        m_painter.setPen(QPen(QColor(0x9d, 0xb4, 0xe8), 0.8));
        for (int i = 1; i < 4; ++i) {
            m_painter.drawLine(QPointF(wing.left() + i * 5.5, wing.top()),
                               QPointF(wing.left() + i * 5.5, wing.bottom()));
        }
        m_painter.setPen(QPen(kInk, 1));
    }
    m_painter.setBrush(QColor(0xe0, 0xb0, 0x3c));
    m_painter.drawRect(QRectF(-9, -8, 18, 16));
    m_painter.setBrush(QColor(0xdd, 0xdd, 0xdd));
    m_painter.drawEllipse(QRectF(-6, 8, 12, 5));
    m_painter.restore();
}
