#include "appicon.h"

#include <QPainter>
#include <QPainterPath>

namespace qtui {

void PaintIconDesign(QPainter& p, IconStyle style) {
    const bool colour = style != IconStyle::TwoColour;
    const QColor ink = colour ? QColor(255, 255, 255) : QColor(0, 0, 0);
    const QColor dishColour = colour ? QColor(192, 192, 192) : QColor(255, 255, 255);

    // Sky and ground.
    if (style == IconStyle::Theme) {
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath plate;
        plate.addRoundedRect(QRectF(0, 0, 32, 32), 5, 5);
        p.fillPath(plate, QColor(0, 0, 128));
        // The ground as the plate's lower part, not by clipping, which not
        // every paint device (SVG) carries over.
        QPainterPath ground;
        ground.addRect(QRectF(0, 26, 32, 6));
        p.fillPath(plate.intersected(ground), QColor(0, 128, 0));
    } else {
        p.fillRect(QRectF(0, 0, 32, 32), colour ? QColor(0, 0, 128) : QColor(255, 255, 255));
        if (colour) {
            p.fillRect(QRectF(0, 26, 32, 6), QColor(0, 128, 0));
        } else {
            p.fillRect(QRectF(0, 27, 32, 1), ink);
        }
    }
    // Stand.
    p.setPen(QPen(ink, 2));
    p.drawLine(QPointF(10, 27), QPointF(13, 19));
    p.drawLine(QPointF(16, 27), QPointF(13, 19));
    // The dish, a bowl tilted towards the upper right.
    p.save();
    p.translate(12, 17);
    p.rotate(40);
    QPainterPath bowl;
    bowl.moveTo(-9, 0);
    bowl.quadTo(0, 9, 9, 0);
    bowl.closeSubpath();
    QPen rim(ink, 1.5);
    if (style == IconStyle::Theme) {
        // Round corners, so that an SVG, which gets the closed rim as an open
        // line, draws the same corner as the images.
        rim.setCapStyle(Qt::RoundCap);
        rim.setJoinStyle(Qt::RoundJoin);
    }
    p.setPen(rim);
    p.setBrush(dishColour);
    p.drawPath(bowl);
    p.drawLine(QPointF(0, 0), QPointF(0, -6)); // feed arm
    p.restore();
    // The beam to the satellite.
    p.setPen(QPen(colour ? QColor(255, 255, 0) : ink, 1, Qt::DashLine));
    p.drawLine(QPointF(16, 12), QPointF(24, 7));
    // The satellite: body and two panels.
    p.setPen(Qt::NoPen);
    p.setBrush(colour ? QColor(255, 255, 0) : ink);
    p.drawRect(QRectF(24, 4, 4, 4));
    p.setBrush(colour ? QColor(0, 255, 255) : ink);
    p.drawRect(QRectF(20, 5, 3, 2));
    p.drawRect(QRectF(29, 5, 3, 2));
}

namespace {

// The 16 colours of the standard Windows palette.
QList<QRgb> sixteenColours() {
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

// One image of the window icon, reduced to its palette.
QImage drawIcon(int size, bool colour) {
    QImage image(size, size, QImage::Format_ARGB32);
    QPainter p(&image);
    p.scale(size / 32.0, size / 32.0);
    PaintIconDesign(p, colour ? IconStyle::SixteenColour : IconStyle::TwoColour);
    p.end();

    const QList<QRgb> palette =
        colour ? sixteenColours() : QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)};
    return image.convertToFormat(QImage::Format_Indexed8, palette,
                                 Qt::ThresholdDither | Qt::AvoidDither);
}

} // namespace

QList<QImage> ApplicationIconImages() {
    return {drawIcon(32, false), drawIcon(32, true), drawIcon(16, true)};
}

QIcon ApplicationIcon() {
    QIcon icon;
    const QList<QImage> images = ApplicationIconImages();
    // The colour images; the two-colour one is for displays that have no more.
    icon.addPixmap(QPixmap::fromImage(images[1]));
    icon.addPixmap(QPixmap::fromImage(images[2]));
    return icon;
}

} // namespace qtui
