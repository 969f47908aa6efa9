#include "bitmapfile.h"
#include "core/installationpath.h"
#include "lang/language.h"
#include "picturetexts.h"
#include "scenes.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <vector>

namespace {

// A picture and the path the build reads it from.
struct NamedPicture {
    QString path;
    Picture picture;
};

void drawBuild(std::vector<NamedPicture>& drawn, const QDir& directory,
               const calc::IllustrationsTexts& files, const PictureTexts& texts) {
    const auto path = [&directory](std::string_view literal) {
        return QString::fromStdString(
            calc::InstallationPath(directory.path().toStdString(), literal));
    };
    drawn.push_back({path(files.titlePicture), DrawTitlePicture(texts)});
    drawn.push_back({path(files.pictures[0]), DrawAzimuthPicture(texts)});
    drawn.push_back({path(files.pictures[1]), DrawElevationPicture(texts)});
    drawn.push_back({path(files.pictures[2]), DrawCompassPicture(texts)});
}

} // namespace

// Draws the four pictures of each build and writes them as 8-bit run-length
// Windows bitmaps (a few tens of kilobytes each, which a phone fetches fast)
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
    std::vector<NamedPicture> drawn;
    drawBuild(drawn, directory, calc::EnglishTable().illustrations, EnglishPictureTexts());
    drawBuild(drawn, directory, calc::RussianTable().illustrations, RussianPictureTexts());
    // A text that runs into a drawing fails the build, and no picture is
    // written.
    bool clear = true;
    for (const NamedPicture& named : drawn) {
        for (const QString& clash : named.picture.clashes) {
            std::fprintf(stderr, "picturemaker: %s: %s\n", qPrintable(named.path),
                         clash.toUtf8().constData());
            clear = false;
        }
    }
    if (!clear) {
        return 1;
    }
    for (const NamedPicture& named : drawn) {
        QFile file(named.path);
        const QByteArray bytes = Rle8BitmapFile(WithPalette(named.picture.image));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.flush()) {
            std::fprintf(stderr, "picturemaker: cannot write %s\n", qPrintable(named.path));
            return 1;
        }
    }
    return 0;
}
