#include "pictureloader.h"

#include "core/bitmapheader.h"
#include "core/failure.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cstdint>
#include <string>

namespace qtui {

namespace {

[[noreturn]] void notReadable(const QString& path, const QString& reason) {
    calc::PictureNotReadable(path.toStdString(), reason.toStdString());
}

// The checks every build makes before the pixels are read: of a Windows
// bitmap they find what Qt's reader would not say (a header no bitmap can
// have, which it only calls sizeless; a size beyond the limits, which it may
// only call unreadable; pixel rows that stop early, which it fills with what
// it has and calls a success). Other formats go on to Qt's reader.
void checkFile(const QString& path, std::uint64_t size) {
    QByteArray header;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        header = file.read(calc::kBitmapHeaderSize);
    }
    calc::CheckPictureFile(path.toStdString(),
                           std::string_view(header.constData(), static_cast<size_t>(header.size())),
                           size, calc::PictureFormats::AnyTheToolkitReads);
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
    checkFile(path, static_cast<std::uint64_t>(info.size()));
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead()) {
        notReadable(path, reader.errorString());
    }
    const QSize claimed = reader.size();
    if (!claimed.isValid() || claimed.isEmpty()) {
        notReadable(path, QStringLiteral("its header gives no size"));
    }
    if (const std::string tooLarge = calc::PictureTooLarge(claimed.width(), claimed.height());
        !tooLarge.empty()) {
        notReadable(path, QString::fromStdString(tooLarge));
    }
    QImage image = reader.read();
    if (image.isNull()) {
        notReadable(path, reader.errorString());
    }
    return image;
}

} // namespace qtui
