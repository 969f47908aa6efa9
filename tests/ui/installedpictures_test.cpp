#include "core/installationpath.h"
#include "lang/language.h"
#include "qt/pictureloader.h"

#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

#include <string>

// The pictures the picture maker wrote beside the executables.

namespace {

QString installed(std::string_view literal) {
    return QString::fromStdString(calc::InstallationPath(DISH_PICTURE_DIRECTORY, literal));
}

struct Build {
    const char* name;
    const calc::LanguageTable& (*table)();
};

class InstalledPictures : public testing::TestWithParam<Build> {};

TEST_P(InstalledPictures, FillThePictureBoxAndStopAtTheVisiblePart) {
    const calc::IllustrationsTexts& files = GetParam().table().illustrations;
    for (std::string_view literal :
         {files.titlePicture, files.pictures[0], files.pictures[1], files.pictures[2]}) {
        const QImage picture = qtui::ReadPicture(installed(literal));
        ASSERT_EQ(picture.size(), QSize(585, 396)) << literal;
        // Drawn: more than a handful of colours in the visible part.
        QSet<QRgb> colours;
        for (int y = 0; y < 333; y += 7) {
            for (int x = 0; x < 424; x += 7) {
                colours.insert(picture.pixel(x, y));
            }
        }
        EXPECT_GT(colours.size(), 8) << literal;
        // Beyond what the window shows there is only plain paper.
        const QRgb paper = picture.pixel(584, 395);
        for (const QPoint at :
             {QPoint(430, 10), QPoint(584, 0), QPoint(10, 340), QPoint(500, 300)}) {
            EXPECT_EQ(picture.pixel(at), paper) << literal;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Builds, InstalledPictures,
                         testing::Values(Build{"English", &calc::EnglishTable},
                                         Build{"Russian", &calc::RussianTable}),
                         [](const testing::TestParamInfo<Build>& info) {
                             return std::string(info.param.name);
                         });

TEST(InstalledPictures, EachBuildHasItsOwnPictures) {
    const calc::IllustrationsTexts& en = calc::EnglishTable().illustrations;
    const calc::IllustrationsTexts& ru = calc::RussianTable().illustrations;
    EXPECT_NE(qtui::ReadPicture(installed(en.titlePicture)),
              qtui::ReadPicture(installed(ru.titlePicture)));
    for (int i = 0; i < 3; ++i) {
        EXPECT_NE(qtui::ReadPicture(installed(en.pictures[i])),
                  qtui::ReadPicture(installed(ru.pictures[i])));
    }
}

} // namespace
