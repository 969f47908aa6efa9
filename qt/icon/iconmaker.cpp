#include "qt/appicon.h"

#include <QDataStream>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

namespace {

// The sizes the desktop's icon theme has a PNG image of.
constexpr int themeSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The design for the desktop's icon theme: full colour with smooth edges, on a
// rounded plate whose surround is transparent. Paints into a square of `size`
// units at the painter's origin (any paint device, so also a scalable one), or
// gives the image of `size` x `size` pixels.
void paintThemeIcon(QPainter& painter, qreal size) {
    painter.save();
    painter.scale(size / 32.0, size / 32.0);
    qtui::PaintIconDesign(painter, qtui::IconStyle::Theme);
    painter.restore();
}

QImage themeIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paintThemeIcon(p, size);
    p.end();
    return image;
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

// The window icon's three images as a Windows .ico file.
QByteArray applicationIconFile() {
    const QList<QImage> images = qtui::ApplicationIconImages();
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

bool writeSvg(const QString& path) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setTitle("Dish Calculator");
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    paintThemeIcon(painter, 256);
    return painter.end();
}

// The site's icon as a phone's home screen masks it: the design, smaller,
// in the middle of an opaque square of the page's colour, so that whatever
// shape the phone cuts leaves all of it.
QImage maskableIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0x3a, 0x6e, 0xa5));
    QPainter p(&image);
    const qreal design = size * 0.7;
    p.translate((size - design) / 2, (size - design) / 2);
    paintThemeIcon(p, design);
    p.end();
    return image;
}

bool writeIco(const QString& path) {
    const QByteArray bytes = applicationIconFile();
    QFile ico(path);
    return ico.open(QIODevice::WriteOnly) && ico.write(bytes) == bytes.size();
}

} // namespace

// Writes the application icon for installation: a PNG image per size and a
// scalable SVG for the desktop's icon theme, the window icon as an .ico file
// for Windows, and the site's icons for a phone's home screen (192 and 512
// pixels, and 512 to be masked). Usage: iconmaker <output directory>
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: iconmaker <output directory>\n");
        return 2;
    }
    const QString directory = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    for (const int size : themeSizes) {
        ok = ok && themeIconImage(size).save(
                       directory + QString("/dish-calculator-%1.png").arg(size), "PNG");
    }
    for (const int size : {192, 512}) {
        ok = ok && themeIconImage(size).save(
                       directory + QString("/dish-calculator-site-%1.png").arg(size), "PNG");
    }
    ok = ok && maskableIconImage(512).save(directory + "/dish-calculator-site-maskable-512.png",
                                           "PNG");
    ok = ok && writeSvg(directory + "/dish-calculator.svg") &&
         writeIco(directory + "/dish-calculator.ico");
    if (!ok) {
        std::fprintf(stderr, "iconmaker: cannot write the icon files into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
