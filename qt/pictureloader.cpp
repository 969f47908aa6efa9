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
    throw calc::FileFailure(
        QStringLiteral("Not a readable picture: %1 (%2)").arg(path, reason).toStdString());
}

// What is wrong with the file if it is a Windows bitmap: what Qt's reader
// would not say (a header no bitmap can have, which it only calls sizeless; a
// size beyond the limits, which it may only call unreadable; pixel rows that
// stop early, which it fills with what it has and calls a success).
QString bitmapProblem(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray header = file.read(54);
    return QString::fromStdString(calc::BitmapProblem(
        std::string_view(header.constData(), static_cast<size_t>(header.size())),
        static_cast<std::uint64_t>(file.size())));
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
