#include "pictureloader.h"

#include "core/failure.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <cstdlib>

namespace qtui {

namespace {

[[noreturn]] void notReadable(const QString& path, const QString& reason) {
    throw calc::FileFailure(
        QStringLiteral("Not a readable picture: %1 (%2)").arg(path, reason).toStdString());
}

quint32 u32(const QByteArray& bytes, int at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}
qint32 i32(const QByteArray& bytes, int at) {
    return qFromLittleEndian<qint32>(bytes.constData() + at);
}
quint16 u16(const QByteArray& bytes, int at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

QString claimedTooLarge(qint64 width, qint64 height) {
    const QString claim = QStringLiteral("its header claims %1 × %2 pixels").arg(width).arg(height);
    if (width > kMaxPictureSide || height > kMaxPictureSide) {
        return claim + QStringLiteral(", more than %1 on a side").arg(kMaxPictureSide);
    }
    if (width * height > kMaxPicturePixels) {
        return claim + QStringLiteral(", more than %1 pixels in all").arg(kMaxPicturePixels);
    }
    return {};
}

bool isBitmapDepth(qint64 bitsPerPixel) {
    for (const qint64 depth : {1, 4, 8, 16, 24, 32}) {
        if (bitsPerPixel == depth) {
            return true;
        }
    }
    return false;
}

// What is wrong with a Windows bitmap that Qt's reader would not say: a header
// that no bitmap can have (which it only calls sizeless), a size beyond the
// limits (which it may only call unreadable), and pixel rows that stop early
// (which it fills with what it has and calls a success). An uncompressed
// bitmap says where its rows start and how many there are, so a short file can
// be told from its header. Returns an empty text when nothing is wrong or the
// file is no Windows bitmap.
QString bitmapProblem(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray header = file.read(54);
    if (!header.startsWith("BM")) {
        return {};
    }
    const QString cutShort = QStringLiteral("the file ends inside its header");
    if (header.size() < 18) {
        return cutShort;
    }
    const quint32 pixelOffset = u32(header, 10);
    const quint32 infoSize = u32(header, 14);
    qint64 width = 0;
    qint64 height = 0;
    qint64 planes = 0;
    qint64 bitsPerPixel = 0;
    quint32 compression = 0;
    if (infoSize == 12) {
        if (header.size() < 26) {
            return cutShort;
        }
        width = u16(header, 18);
        height = u16(header, 20);
        planes = u16(header, 22);
        bitsPerPixel = u16(header, 24);
    } else if (infoSize >= 40) {
        if (header.size() < 54) {
            return cutShort;
        }
        width = i32(header, 18);
        height = i32(header, 22);
        planes = u16(header, 26);
        bitsPerPixel = u16(header, 28);
        compression = u32(header, 30);
    } else {
        return {};
    }
    if (planes != 1) {
        return QStringLiteral("its header gives %1 planes, not 1").arg(planes);
    }
    if (!isBitmapDepth(bitsPerPixel)) {
        return QStringLiteral("its header gives a bit depth of %1, not 1, 4, 8, 16, 24 or 32")
            .arg(bitsPerPixel);
    }
    if (width <= 0) {
        return QStringLiteral("its header gives a width of %1").arg(width);
    }
    if (height == 0) {
        return QStringLiteral("its header gives a height of 0");
    }
    // A negative height only says that the rows run from the top down.
    height = std::abs(height);
    if (const QString tooLarge = claimedTooLarge(width, height); !tooLarge.isEmpty()) {
        return tooLarge;
    }
    // 0 is plain rows, 3 and 6 are plain rows with bit masks; the run-length
    // kinds have no fixed length.
    if (compression != 0 && compression != 3 && compression != 6) {
        return {};
    }
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    const qint64 needed = static_cast<qint64>(pixelOffset) + rowBytes * height;
    if (file.size() < needed) {
        return QStringLiteral("the file holds %1 bytes, its header needs %2")
            .arg(file.size())
            .arg(needed);
    }
    return {};
}

} // namespace

void LimitPictureMemory() {
    QImageReader::setAllocationLimit(kPictureMemoryLimitMb);
}

QImage ReadPicture(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        throw calc::FileNotFound(path.toStdString());
    }
    if (!info.isFile()) {
        notReadable(path, QStringLiteral("not a file"));
    }
    if (info.size() == 0) {
        notReadable(path, QStringLiteral("the file is empty"));
    }

    if (const QString problem = bitmapProblem(path); !problem.isEmpty()) {
        notReadable(path, problem);
    }
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead()) {
        notReadable(path, reader.errorString());
    }
    const QSize claimed = reader.size();
    if (!claimed.isValid() || claimed.isEmpty()) {
        notReadable(path, QStringLiteral("its header gives no size"));
    }
    if (const QString tooLarge = claimedTooLarge(claimed.width(), claimed.height());
        !tooLarge.isEmpty()) {
        notReadable(path, tooLarge);
    }
    QImage image = reader.read();
    if (image.isNull()) {
        notReadable(path, reader.errorString());
    }
    return image;
}

} // namespace qtui
