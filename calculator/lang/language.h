#pragma once

#include <string_view>

namespace calc {

// Everything in which the English and the Russian build differ. A build
// selects one table when it is made; every visible text of the windows comes
// from here, in UTF-8.

struct MainWindowTexts {
    std::string_view NAPR;
    std::string_view cmdExit;
    std::string_view RISYNOK;
    std::string_view Gprog;
    std::string_view T9;
    std::string_view T8;
    std::string_view T7;
    std::string_view T6;
    std::string_view T5;
    std::string_view T4;
    std::string_view Label1;
    std::string_view T3;
    std::string_view T2;
    std::string_view T1;
};

struct CompassTexts {
    std::string_view START;
    std::string_view CMDEXIT;
    std::string_view Label1;
    int label1Width; // twips
};

struct IllustrationsTexts {
    std::string_view formName; // also the caption
    std::string_view cmd1;
    std::string_view RISYNOK;
    // What a screen reader calls the picture box: what its pictures show.
    std::string_view Picture1;
    // Literals appended to the program's directory, each with its leading
    // backslash.
    std::string_view titlePicture;
    std::string_view pictures[3];
};

struct LanguageTable {
    std::string_view buildName; // "Korvel" or "Drevik"
    MainWindowTexts main;
    CompassTexts compass;
    IllustrationsTexts illustrations;
};

const LanguageTable& EnglishTable();
const LanguageTable& RussianTable();

} // namespace calc
