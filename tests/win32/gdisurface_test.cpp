#include "core/azimuth.h"
#include "core/bitmapbytes.h"
#include "core/compassdrawing.h"
#include "core/failure.h"
#include "win32/bitmap.h"
#include "win32/gdisurface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kCyan = RGB(0, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// The whole diagram for a displacement of 0 and an azimuth of 180, as the
// compass window's START draws it, at 96 dpi (15 twips a pixel): the centre
// lies at pixel (201, 107).
class WholeDiagram : public testing::Test {
protected:
    void SetUp() override {
        calc::ClearDiagram(surface);
        calc::DrawCrosses(surface, "0");
        calc::DrawCentreDot(surface);
        calc::DrawDirection(surface, "0", calc::Azimuth{180.0f, " 180"});
    }
    bool any(int left, int top, int right, int bottom, COLORREF colour) const {
        for (int y = top; y <= bottom; ++y) {
            for (int x = left; x <= right; ++x) {
                if (surface.pixel(x, y) == colour) {
                    return true;
                }
            }
        }
        return false;
    }
    win32ui::GdiSurface surface{nullptr, nullptr, 334, 221};
};

// At 96 dpi as drawn, and drawn again at 192 dpi, where every place and
// every pen width doubles.
TEST_F(WholeDiagram, PenWidthsColoursDotArcAndLabelLandWhereTheyShould) {
    struct Pixel {
        const char* what;
        int x, y;
        COLORREF colour;
        bool is;
    };
    const Pixel pixels[] = {
        {"the displaced east-west axis, 5 pixels wide", 150, 108, kBlue, true},
        {"beside it", 150, 112, kBlue, false},
        {"the direction, 8 pixels wide", 204, 40, kCyan, true},
        {"beside it", 208, 40, kCyan, false},
        {"inside the 20-pixel centre dot, off the line", 208, 107, kBlue, true},
        {"outside the centre dot", 213, 100, kBlue, false},
        {"the arc runs counterclockwise: left of the centre", 182, 88, kBlue, true},
        {"not right of it", 220, 88, kBlue, false},
    };
    for (int scale : {1, 2}) {
        SCOPED_TRACE(96 * scale);
        if (scale == 2) {
            surface.setResolution(192, nullptr, 668, 442);
        }
        for (const Pixel& p : pixels) {
            SCOPED_TRACE(p.what);
            const int x = p.x * scale, y = p.y * scale;
            EXPECT_EQ(any(x - 1, y - 1, x + 1, y + 1, p.colour), p.is);
        }
        // "alfa= 180" in black, 300 twips left of and 200 below the far end.
        EXPECT_TRUE(any(181 * scale, 20 * scale, 230 * scale, 33 * scale, kBlack));
    }
}

// Azimuths from a site south of the equator, at the default displacement and
// at none, at 96 dpi: the direction line's far half, the arc on its circle
// (26.7 pixels around the centre; directions in degrees counterclockwise from
// 3 o'clock), and the label below and left of the far end.
TEST(NorthernAzimuth, LineArcAndLabelLandWhereTheyShould) {
    struct Case {
        const char* name;
        const char* displacement;
        float azimuth;
        const char* text;
        POINT onLine;
        std::vector<double> onArc, offArc;
        POINT label; // top left of a region the label's letters reach; x < 0: none
    };
    const Case cases[] = {
        {"westOfNorth", "-20", 320.0f, " 320", {262, 142}, {45, 160}, {310}, {270, 172}},
        {"westUndisplaced", "0", 320.0f, " 320", {246, 161}, {45, 160}, {290}, {248, 198}},
        {"eastOfNorth", "-20", 78.5f, " 78.5", {142, 144}, {250}, {45, 160}, {98, 174}},
        // No arc; the label lies below the window's edge.
        {"dueNorth", "0", 0.0f, " 0", {201, 177}, {}, {45, 160, 250, 290}, {-1, -1}},
        // An arc shorter than a pixel, whose ends round to one point.
        {"halfADegree", "0", 0.5f, " 0.5", {201, 177}, {}, {45, 160, 250, 290}, {-1, -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        win32ui::GdiSurface surface{nullptr, nullptr, 334, 221};
        calc::ClearDiagram(surface);
        calc::DrawCrosses(surface, c.displacement);
        calc::DrawCentreDot(surface);
        calc::DrawDirection(surface, c.displacement, calc::Azimuth{c.azimuth, c.text});
        const auto any = [&](int left, int top, int right, int bottom, COLORREF colour) {
            for (int y = top; y <= bottom; ++y) {
                for (int x = left; x <= right; ++x) {
                    if (surface.pixel(x, y) == colour) {
                        return true;
                    }
                }
            }
            return false;
        };
        const auto arcNear = [&](double degrees) {
            const double a = degrees * calc::kCompassPi / 180;
            const int x = static_cast<int>(std::lround((3020 + 400 * std::cos(a)) / 15));
            const int y = static_cast<int>(std::lround((1608 - 400 * std::sin(a)) / 15));
            return any(x - 1, y - 1, x + 1, y + 1, kBlue);
        };
        EXPECT_TRUE(any(c.onLine.x - 1, c.onLine.y - 1, c.onLine.x + 1, c.onLine.y + 1, kCyan));
        for (double degrees : c.onArc) {
            EXPECT_TRUE(arcNear(degrees)) << degrees;
        }
        for (double degrees : c.offArc) {
            EXPECT_FALSE(arcNear(degrees)) << degrees;
        }
        if (c.label.x >= 0) {
            EXPECT_TRUE(any(c.label.x, c.label.y, c.label.x + 30, c.label.y + 12, kBlack));
        }
    }
}

void WriteFile(const std::string& name, const std::string& bytes) {
    FILE* file = std::fopen(name.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

TEST(ReadBitmapFile, ReadsABitmapAndRefusesWhatTheLinuxBuildRefuses) {
    struct Case {
        const char* file;
        std::string bytes;
        const char* reason; // empty: read
    };
    const Case cases[] = {
        {"good.bmp", BitmapBytes(2, 2, 24, 16), ""},
        {"rle8.bmp", Rle8BitmapBytes(), ""},
        {"empty.bmp", "", "the file is empty"},
        {"png.bmp", "\x89PNG\r\n\x1a\n", "not a Windows bitmap"},
        {"wide.bmp", BitmapBytes(9000, 1, 24, 0), "more than 8192 on a side"},
        {"short.bmp", BitmapBytes(2, 2, 24, 8), "the file holds 62 bytes, its header needs 70"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        WriteFile(c.file, c.bytes);
        if (!*c.reason) {
            const auto picture = win32ui::ReadBitmapFile(c.file);
            EXPECT_EQ(picture->height, 2);
            if (picture->width == 3) {
                // The run-length rows decoded: red, red, blue over blue.
                HDC dc = CreateCompatibleDC(nullptr);
                const HGDIOBJ before = SelectObject(dc, picture->bitmap);
                EXPECT_EQ(GetPixel(dc, 1, 0), RGB(255, 0, 0));
                EXPECT_EQ(GetPixel(dc, 2, 0), RGB(0, 0, 255));
                EXPECT_EQ(GetPixel(dc, 0, 1), RGB(0, 0, 255));
                SelectObject(dc, before);
                DeleteDC(dc);
            } else {
                EXPECT_EQ(picture->width, 2);
            }
            std::remove(c.file);
            continue;
        }
        try {
            win32ui::ReadBitmapFile(c.file);
            ADD_FAILURE() << "read";
        } catch (const calc::FileFailure& failure) {
            EXPECT_NE(std::string(failure.what()).find(c.reason), std::string::npos)
                << failure.what();
        }
        std::remove(c.file);
    }
    EXPECT_THROW(win32ui::ReadBitmapFile("missing.bmp"), calc::FileNotFound);
}

} // namespace
