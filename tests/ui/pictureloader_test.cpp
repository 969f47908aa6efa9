#include "qt/pictureloader.h"

#include "core/failure.h"
#include "testpictures.h"

#include <QFile>
#include <QImageReader>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using qtui::ReadPicture;

std::string failureOf(const QString& path) {
    try {
        ReadPicture(path);
    } catch (const calc::Failure& failure) {
        return failure.what();
    }
    return "no failure";
}

TEST(PictureLoader, ReadsABitmapPixelForPixel) {
    TempDir dir;
    QImage image = SolidPicture(Qt::red, 7, 5);
    image.setPixelColor(6, 4, Qt::blue);
    WritePicture(dir, "a.BMP", image);
    const QImage read = ReadPicture(PathIn(dir, "a.BMP"));
    EXPECT_EQ(read.size(), QSize(7, 5));
    EXPECT_EQ(read.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(read.pixelColor(6, 4), QColor(Qt::blue));
}

TEST(PictureLoader, ReadingLeavesTheProcessWideMemoryLimitAlone) {
    TempDir dir;
    WritePicture(dir, "a.BMP", SolidPicture(Qt::red));
    const int before = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(before + 1);
    ReadPicture(PathIn(dir, "a.BMP"));
    EXPECT_EQ(QImageReader::allocationLimit(), before + 1);
    QImageReader::setAllocationLimit(before);
}

TEST(PictureLoader, AMissingFileIsNotFound) {
    TempDir dir;
    const QString path = PathIn(dir, "GDS1ENG.BMP");
    EXPECT_THROW(ReadPicture(path), calc::FileNotFound);
    EXPECT_EQ(failureOf(path), "File not found: " + path.toStdString());
}

TEST(PictureLoader, ADirectoryIsNotAPicture) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "1k.BMP");
    const QString path = PathIn(dir, "1k.BMP");
    EXPECT_EQ(failureOf(path), "Not a readable picture: " + path.toStdString() + " (not a file)");
}

struct DamagedCase {
    const char* name;
    std::string bytes;
    const char* reason; // the reason in parentheses, or part of it
};

std::string truncatedBitmap() {
    TempDir dir;
    WritePicture(dir, "whole.BMP", SolidPicture(Qt::green, 100, 50));
    const std::string whole = dir.read("whole.BMP");
    return whole.substr(0, whole.size() / 2);
}

class DamagedPicture : public testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedPicture, IsAReportedFailureNamingFileAndReason) {
    ASSERT_STRNE(GetParam().reason, ""); // an empty text is part of any message
    TempDir dir;
    dir.write("2k.BMP", GetParam().bytes);
    const QString path = PathIn(dir, "2k.BMP");
    EXPECT_THROW(ReadPicture(path), calc::FileFailure);
    const std::string message = failureOf(path);
    EXPECT_EQ(message.rfind("Not a readable picture: " + path.toStdString() + " (", 0), 0u)
        << message;
    EXPECT_NE(message.find(GetParam().reason), std::string::npos) << message;
    EXPECT_EQ(message.back(), ')') << message;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedPicture,
    testing::Values(
        DamagedCase{"Empty", "", "the file is empty"},
        DamagedCase{"Text", "just some words\n", "Unsupported image format"},
        DamagedCase{"HeaderOnly", BitmapBytes(40, 30, 24, 0).substr(0, 20),
                    "the file ends inside its header"},
        DamagedCase{"RowsCutShort", truncatedBitmap(), "header needs"},
        DamagedCase{"NoPixelData", BitmapBytes(40, 30, 24, 0), "header needs"},
        DamagedCase{"ClaimsAnEnormousPicture", BitmapBytes(100000, 100000, 24, 16),
                    "100000 × 100000 pixels, more than 8192 on a side"},
        DamagedCase{"ClaimsAVeryWidePicture", BitmapBytes(2000000000, 1, 32, 16),
                    "more than 8192 on a side"},
        DamagedCase{"ClaimsTooManyPixels", BitmapBytes(5000, 5000, 24, 16),
                    "5000 × 5000 pixels, more than 16777216 pixels in all"},
        DamagedCase{"ClaimsAnEnormousTopDownPicture", BitmapBytes(100000, -100000, 24, 16),
                    "100000 × 100000"},
        DamagedCase{"ClaimsNoWidth", BitmapBytes(0, 30, 24, 16), "a width of 0"},
        DamagedCase{"ClaimsANegativeWidth", BitmapBytes(-40, 30, 24, 3600), "a width of -40"},
        DamagedCase{"ClaimsNoHeight", BitmapBytes(40, 0, 24, 16), "a height of 0"},
        DamagedCase{"ClaimsBitDepth7", BitmapBytes(40, 30, 7, 3600), "a bit depth of 7"},
        DamagedCase{"ClaimsNoPlanes", BitmapBytes(40, 30, 24, 3600, 0), "0 planes, not 1"}),
    [](const testing::TestParamInfo<DamagedCase>& info) { return std::string(info.param.name); });

} // namespace
