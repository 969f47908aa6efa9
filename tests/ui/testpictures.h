#pragma once

#include "core/bitmapbytes.h"
#include "core/tempdir.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <cstdint>
#include <string>

// Small pictures for tests, written as Windows bitmaps into a TempDir.

inline QImage SolidPicture(QColor colour, int width = 40, int height = 30) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

inline QString PathIn(const TempDir& dir, const std::string& name) {
    return QString::fromStdString((dir.path() / name).string());
}

inline void WritePicture(const TempDir& dir, const std::string& name, const QImage& image) {
    image.save(PathIn(dir, name), "BMP");
}
