#include "lang/language.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string_view> mainTexts(const calc::MainWindowTexts& t) {
    return {t.NAPR, t.cmdExit, t.RISYNOK, t.Gprog,  t.T9, t.T8, t.T7,
            t.T6,   t.T5,      t.T4,      t.Label1, t.T3, t.T2, t.T1};
}

bool hasCyrillic(std::string_view text) {
    // Cyrillic letters are two bytes in UTF-8 starting with 0xD0 or 0xD1.
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0xD0 || byte == 0xD1) {
            return true;
        }
    }
    return false;
}

TEST(LanguageTables, EnglishHasNoCyrillic) {
    for (std::string_view text : mainTexts(calc::EnglishTable().main)) {
        EXPECT_FALSE(hasCyrillic(text)) << text;
    }
}

TEST(LanguageTables, RussianLabelsAreCyrillicExceptTheSharedOnes) {
    const calc::MainWindowTexts& ru = calc::RussianTable().main;
    for (std::string_view text : {ru.NAPR, ru.RISYNOK, ru.T9, ru.T8, ru.T7, ru.T6, ru.T5, ru.T4,
                                  ru.Label1, ru.T3, ru.T2, ru.T1}) {
        EXPECT_TRUE(hasCyrillic(text)) << text;
    }
    // Shared by both builds, or Latin in the Russian one.
    EXPECT_EQ(ru.cmdExit, "EXIT");
    EXPECT_EQ(ru.Gprog, "STAPT");
}

TEST(LanguageTables, BlanksArePartOfTheCaptions) {
    EXPECT_EQ(calc::EnglishTable().main.T1, "              CALCULATE");
    EXPECT_EQ(calc::RussianTable().main.T8, "BETA---угол  места");
    EXPECT_EQ(calc::EnglishTable().main.T3, "  You location                      (Tiberias)");
}

TEST(LanguageTables, NoTextIsSharedByAccident) {
    // Only these captions are meant to read the same in both builds.
    const std::vector<std::string_view> en = mainTexts(calc::EnglishTable().main);
    const std::vector<std::string_view> ru = mainTexts(calc::RussianTable().main);
    for (std::size_t i = 0; i < en.size(); ++i) {
        if (en[i] == "EXIT") {
            continue;
        }
        EXPECT_NE(en[i], ru[i]);
    }
}

} // namespace

namespace {

std::vector<std::string_view> pictureFiles(const calc::IllustrationsTexts& t) {
    return {t.titlePicture, t.pictures[0], t.pictures[1], t.pictures[2]};
}

TEST(LanguageTables, EachBuildNamesOnlyItsOwnPictures) {
    const std::vector<std::string_view> en = pictureFiles(calc::EnglishTable().illustrations);
    const std::vector<std::string_view> ru = pictureFiles(calc::RussianTable().illustrations);
    EXPECT_EQ(en, (std::vector<std::string_view>{"\\GDS1ENG.BMP", "\\1kENG.BMP", "\\2kENG.BMP",
                                                 "\\3kENG.BMP"}));
    EXPECT_EQ(ru,
              (std::vector<std::string_view>{"\\GDS001.BMP", "\\1k.BMP", "\\2k.BMP", "\\3k.BMP"}));
    for (std::string_view name : en) {
        EXPECT_NE(name.find("ENG.BMP"), std::string_view::npos) << name;
    }
    for (std::string_view name : ru) {
        EXPECT_EQ(name.find("ENG"), std::string_view::npos) << name;
    }
}

TEST(LanguageTables, IllustrationsWindowTexts) {
    const calc::IllustrationsTexts& en = calc::EnglishTable().illustrations;
    const calc::IllustrationsTexts& ru = calc::RussianTable().illustrations;
    EXPECT_EQ(en.formName, "RIS123E");
    EXPECT_EQ(ru.formName, "RIS123");
    EXPECT_EQ(en.cmd1, "EXIT");
    EXPECT_EQ(ru.cmd1, "ВЫХОД");
    EXPECT_EQ(en.RISYNOK, "PIC.1,2,3");
    // A Latin P, then the Cyrillic И and С.
    EXPECT_EQ(ru.RISYNOK, "P\u0418\u0421.1,2,3");
}

} // namespace
