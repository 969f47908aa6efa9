#include "lang/language.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// Every text a build shows or a file it reads, with where it comes from.
std::vector<std::pair<std::string, std::string_view>> allTexts(const calc::LanguageTable& t) {
    std::vector<std::pair<std::string, std::string_view>> texts;
    const char* mainNames[] = {"NAPR", "cmdExit", "RISYNOK", "Gprog",  "T9", "T8", "T7",
                               "T6",   "T5",      "T4",      "Label1", "T3", "T2", "T1"};
    const std::vector<std::string_view> main = mainTexts(t.main);
    for (std::size_t i = 0; i < main.size(); ++i) {
        texts.emplace_back(std::string("TV.") + mainNames[i], main[i]);
    }
    texts.emplace_back("LIN1.START", t.compass.START);
    texts.emplace_back("LIN1.CMDEXIT", t.compass.CMDEXIT);
    texts.emplace_back("LIN1.Label1", t.compass.Label1);
    texts.emplace_back("illustrations.name", t.illustrations.formName);
    texts.emplace_back("illustrations.cmd1", t.illustrations.cmd1);
    texts.emplace_back("illustrations.RISYNOK", t.illustrations.RISYNOK);
    texts.emplace_back("illustrations.title", t.illustrations.titlePicture);
    for (int i = 0; i < 3; ++i) {
        texts.emplace_back("illustrations.picture" + std::to_string(i + 1),
                           t.illustrations.pictures[i]);
    }
    return texts;
}

TEST(LanguageTables, BuildsDifferInExactlyTheirOwnItems) {
    // The texts both builds share; every other item must differ.
    const std::vector<std::string> shared = {"TV.cmdExit", "LIN1.START", "LIN1.CMDEXIT"};
    const auto en = allTexts(calc::EnglishTable());
    const auto ru = allTexts(calc::RussianTable());
    ASSERT_EQ(en.size(), ru.size());
    for (std::size_t i = 0; i < en.size(); ++i) {
        const bool isShared = std::find(shared.begin(), shared.end(), en[i].first) != shared.end();
        if (isShared) {
            EXPECT_EQ(en[i].second, ru[i].second) << en[i].first;
        } else {
            EXPECT_NE(en[i].second, ru[i].second) << en[i].first;
        }
    }
    EXPECT_EQ(calc::EnglishTable().compass.label1Width, 1095);
    EXPECT_EQ(calc::RussianTable().compass.label1Width, 615);
}

TEST(LanguageTables, NoTextOfOneBuildLeaksIntoTheOther) {
    const auto en = allTexts(calc::EnglishTable());
    const auto ru = allTexts(calc::RussianTable());
    // "EXIT" and "START" are captions of both builds, on several buttons.
    auto sharedWord = [](std::string_view text) { return text == "EXIT" || text == "START"; };
    for (const auto& [where, text] : en) {
        for (const auto& [otherWhere, other] : ru) {
            if (text == other && !sharedWord(text)) {
                ADD_FAILURE() << where << " reads like the Russian " << otherWhere;
            }
        }
    }
}

TEST(LanguageTables, EachBuildReadsOnlyItsOwnPictures) {
    const calc::IllustrationsTexts& en = calc::EnglishTable().illustrations;
    const calc::IllustrationsTexts& ru = calc::RussianTable().illustrations;
    EXPECT_EQ(en.titlePicture, "\\GDS1ENG.BMP");
    EXPECT_EQ(ru.titlePicture, "\\GDS001.BMP");
    for (int i = 0; i < 3; ++i) {
        const std::string number = std::to_string(i + 1);
        EXPECT_EQ(en.pictures[i], "\\" + number + "kENG.BMP");
        EXPECT_EQ(ru.pictures[i], "\\" + number + "k.BMP");
    }
    EXPECT_EQ(en.formName, "RIS123E");
    EXPECT_EQ(ru.formName, "RIS123");
}

TEST(LanguageTables, RussianTextsAsQuoted) {
    const calc::LanguageTable& ru = calc::RussianTable();
    EXPECT_EQ(ru.illustrations.RISYNOK, "P\xD0\x98\xD0\xA1.1,2,3"); // Latin P, Cyrillic И С
    EXPECT_EQ(ru.illustrations.cmd1, "ВЫХОД");
    EXPECT_EQ(ru.compass.Label1, " сдвиг      осей        на        угол");
    EXPECT_EQ(ru.main.T2, "               КООРДИНАТ  TV-СПУТНИКА");
    EXPECT_EQ(ru.main.T6, "долгота(градусы)            долгота(минуты)");
}

TEST(LanguageTables, BlanksArePartOfTheCaptions) {
    EXPECT_EQ(calc::EnglishTable().main.T1, "              CALCULATE");
    EXPECT_EQ(calc::RussianTable().main.T8, "BETA---угол  места");
    EXPECT_EQ(calc::EnglishTable().main.T3, "  You location                      (Tiberias)");
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
