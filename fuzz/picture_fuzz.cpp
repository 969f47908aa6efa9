// Arbitrary bytes as a picture file: the loader gives a picture within its
// limits or a named failure; it never crashes and never takes memory for a
// size it refuses.
#include "core/bitmapheader.h"
#include "core/failure.h"
#include "qt/pictureloader.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

const std::string& scratchFile() {
    static const std::string path = [] {
        auto dir = std::filesystem::temp_directory_path() /
                   ("picture-fuzz-" + std::to_string(std::rand()));
        std::filesystem::create_directories(dir);
        return (dir / "GDS1ENG.BMP").string();
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    qtui::LimitPictureMemory();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream(scratchFile(), std::ios::binary)
            .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    try {
        const QImage picture = qtui::ReadPicture(QString::fromStdString(scratchFile()));
        if (picture.isNull() || picture.width() > calc::kMaxPictureSide ||
            picture.height() > calc::kMaxPictureSide) {
            std::abort();
        }
    } catch (const calc::FileFailure&) {
    }
    return 0;
}
