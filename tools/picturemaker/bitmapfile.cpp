#include "bitmapfile.h"

#include <QHash>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

QImage WithPalette(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            ++counts[row[x]];
        }
    }
    std::vector<std::pair<int, QRgb>> byUse;
    byUse.reserve(static_cast<std::size_t>(counts.size()));
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        byUse.emplace_back(it.value(), it.key());
    }
    // Most used first; among equals the lower colour value, so that the same
    // picture always gets the same palette.
    std::sort(byUse.begin(), byUse.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    QList<QRgb> palette;
    for (std::size_t i = 0; i < byUse.size() && i < 256; ++i) {
        palette.append(byUse[i].second);
    }
    return rgb.convertToFormat(QImage::Format_Indexed8, palette,
                               Qt::ThresholdDither | Qt::AvoidDither);
}

namespace {

void put(QByteArray& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xff));
    }
}

// One row of pixels in run-length form: a run of two or more of one index is
// (count, index); other pixels go out as literal stretches (0, count,
// indices, a pad byte to an even length) of at least three pixels, since a
// literal of one or two would read as an escape code.
void encodeRow(QByteArray& out, const uchar* row, int width) {
    int x = 0;
    const auto runAt = [&](int at) {
        int length = 1;
        while (at + length < width && length < 255 && row[at + length] == row[at]) {
            ++length;
        }
        return length;
    };
    while (x < width) {
        int run = runAt(x);
        if (run >= 2 || width - x < 3) {
            // Fewer than three pixels left also go out as runs of one.
            out.append(static_cast<char>(run));
            out.append(static_cast<char>(row[x]));
            x += run;
            continue;
        }
        // A literal stretch up to the next run of three or more.
        int end = x;
        while (end < width && end - x < 255) {
            if (runAt(end) >= 3) {
                break;
            }
            ++end;
        }
        if (end - x < 3) {
            end = std::min(width, x + 3);
        }
        const int count = end - x;
        out.append('\0');
        out.append(static_cast<char>(count));
        out.append(reinterpret_cast<const char*>(row + x), count);
        if (count % 2 != 0) {
            out.append('\0');
        }
        x = end;
    }
}

} // namespace

QByteArray Rle8BitmapFile(const QImage& image) {
    const QList<QRgb> palette = image.colorTable();
    QByteArray pixels;
    // Rows run from the bottom up: run-length bitmaps cannot be top-down.
    for (int y = image.height() - 1; y >= 0; --y) {
        encodeRow(pixels, image.constScanLine(y), image.width());
        pixels.append('\0');
        pixels.append(y == 0 ? '\1' : '\0'); // end of the bitmap, or of the row
    }
    const std::uint32_t offset = 14 + 40 + 4 * static_cast<std::uint32_t>(palette.size());
    QByteArray file;
    file.append("BM");
    put(file, offset + static_cast<std::uint32_t>(pixels.size()), 4);
    put(file, 0, 4);
    put(file, offset, 4);
    put(file, 40, 4);
    put(file, static_cast<std::uint32_t>(image.width()), 4);
    put(file, static_cast<std::uint32_t>(image.height()), 4);
    put(file, 1, 2); // planes
    put(file, 8, 2); // bits a pixel
    put(file, 1, 4); // run-length encoded, 8 bits
    put(file, static_cast<std::uint32_t>(pixels.size()), 4);
    put(file, 2835, 4); // 72 dots an inch
    put(file, 2835, 4);
    put(file, static_cast<std::uint32_t>(palette.size()), 4);
    put(file, 0, 4);
    for (const QRgb colour : palette) {
        put(file, colour & 0xffffff, 4); // blue, green, red, 0
    }
    file.append(pixels);
    return file;
}
