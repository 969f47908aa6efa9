#include "appicon.h"

#include <QBuffer>
#include <QDataStream>
#include <QPainter>
#include <QPainterPath>

namespace qtui {

namespace {

// The 16 colours of the standard Windows palette.
QList<QRgb> sixteenColours() {
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

// How one image of the design is drawn: the window icon's two-colour and
// 16-colour images as Windows drew them, hard-edged on a full square, or the
// icon theme's image, smooth and in full colour on a rounded plate with a
// transparent surround.
enum class Style { TwoColour, SixteenColour, Theme };

// The design, drawn on a 32-unit grid into a painter already scaled to it.
void paintDesign(QPainter& p, Style style) {
    const bool colour = style != Style::TwoColour;
    const QColor ink = colour ? QColor(255, 255, 255) : QColor(0, 0, 0);
    const QColor dishColour = colour ? QColor(192, 192, 192) : QColor(255, 255, 255);

    // Sky and ground.
    if (style == Style::Theme) {
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
    if (style == Style::Theme) {
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

// One image of the window icon, reduced to its palette.
QImage drawIcon(int size, bool colour) {
    QImage image(size, size, QImage::Format_ARGB32);
    QPainter p(&image);
    p.scale(size / 32.0, size / 32.0);
    paintDesign(p, colour ? Style::SixteenColour : Style::TwoColour);
    p.end();

    const QList<QRgb> palette =
        colour ? sixteenColours() : QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)};
    return image.convertToFormat(QImage::Format_Indexed8, palette,
                                 Qt::ThresholdDither | Qt::AvoidDither);
}

// One image of an .ico file: a bottom-up DIB with the height doubled for the
// (empty) transparency mask that follows the colour bits.
QByteArray dibOf(const QImage& image, int bitsPerPixel) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const int w = image.width();
    const int h = image.height();
    const int colours = 1 << bitsPerPixel;
    const int rowBytes = ((w * bitsPerPixel + 31) / 32) * 4;
    const int maskRowBytes = ((w + 31) / 32) * 4;
    out << quint32(40) << qint32(w) << qint32(2 * h) << quint16(1) << quint16(bitsPerPixel)
        << quint32(0) << quint32((rowBytes + maskRowBytes) * h) << qint32(0) << qint32(0)
        << quint32(colours) << quint32(0);
    for (int i = 0; i < colours; ++i) {
        const QRgb c = i < image.colorCount() ? image.color(i) : qRgb(0, 0, 0);
        out << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < w; ++x) {
            const int index = image.pixelIndex(x, y);
            const int bit = x * bitsPerPixel;
            row[bit / 8] =
                static_cast<char>(row[bit / 8] | (index << (8 - bitsPerPixel - bit % 8)));
        }
        out.writeRawData(row.constData(), rowBytes);
    }
    const QByteArray mask(maskRowBytes * h, '\0');
    out.writeRawData(mask.constData(), static_cast<int>(mask.size()));
    return bytes;
}

} // namespace

QList<QImage> ApplicationIconImages() {
    return {drawIcon(32, false), drawIcon(32, true), drawIcon(16, true)};
}

void PaintThemeIcon(QPainter& painter, qreal size) {
    painter.save();
    painter.scale(size / 32.0, size / 32.0);
    paintDesign(painter, Style::Theme);
    painter.restore();
}

QImage ThemeIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    PaintThemeIcon(p, size);
    p.end();
    return image;
}

QIcon ApplicationIcon() {
    QIcon icon;
    const QList<QImage> images = ApplicationIconImages();
    // The colour images; the two-colour one is for displays that have no more.
    icon.addPixmap(QPixmap::fromImage(images[1]));
    icon.addPixmap(QPixmap::fromImage(images[2]));
    return icon;
}

QByteArray ApplicationIconFile() {
    const QList<QImage> images = ApplicationIconImages();
    const int bits[] = {1, 4, 4};
    QList<QByteArray> dibs;
    for (int i = 0; i < images.size(); ++i) {
        dibs << dibOf(images[i], bits[i]);
    }
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (int i = 0; i < images.size(); ++i) {
        out << quint8(images[i].width()) << quint8(images[i].height())
            << quint8(bits[i] == 1 ? 2 : 16) << quint8(0) << quint16(1) << quint16(bits[i])
            << quint32(dibs[i].size()) << offset;
        offset += static_cast<quint32>(dibs[i].size());
    }
    for (const QByteArray& dib : dibs) {
        out.writeRawData(dib.constData(), static_cast<int>(dib.size()));
    }
    return file;
}

} // namespace qtui
