#include "core/installationpath.h"
#include "lang/language.h"
#include "picturetexts.h"
#include "scenes.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

namespace {

bool writeBuild(const QDir& directory, const calc::IllustrationsTexts& files,
                const PictureTexts& texts) {
    const std::pair<std::string_view, QImage> pictures[] = {
        {files.titlePicture, DrawTitlePicture(texts)},
        {files.pictures[0], DrawAzimuthPicture(texts)},
        {files.pictures[1], DrawElevationPicture(texts)},
        {files.pictures[2], DrawCompassPicture(texts)},
    };
    for (const auto& [literal, image] : pictures) {
        const QString path =
            QString::fromStdString(calc::InstallationPath(directory.path().toStdString(), literal));
        if (!image.save(path, "BMP")) {
            std::fprintf(stderr, "picturemaker: cannot write %s\n", qPrintable(path));
            return false;
        }
    }
    return true;
}

} // namespace

// Draws the four pictures of each build and writes them as Windows bitmaps
// into the directory given, under the names the builds read.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: picturemaker <output directory>\n");
        return 2;
    }
    const QDir directory(QString::fromLocal8Bit(argv[1]));
    if (!directory.exists() && !QDir().mkpath(directory.path())) {
        std::fprintf(stderr, "picturemaker: cannot make %s\n", argv[1]);
        return 1;
    }
    const bool written =
        writeBuild(directory, calc::EnglishTable().illustrations, EnglishPictureTexts()) &&
        writeBuild(directory, calc::RussianTable().illustrations, RussianPictureTexts());
    return written ? 0 : 1;
}
