#pragma once

#include <string_view>
#include <vector>

// The lines every label of both builds and of the launcher shows, blanks
// kept, as the Linux build shows them at 96 dpi; every build, at every
// display scale, shows the same. An empty line is one of blanks only.
struct ShownLines {
    std::string_view build; // "Korvel", "Drevik" or "START"
    std::string_view window;
    std::string_view label;
    std::vector<std::string_view> lines;
};

inline const std::vector<ShownLines>& EveryLabelsLines() {
    static const std::vector<ShownLines> rows = {
        {"Korvel", "TV", "T9", {"        ALFA---azimuth"}},
        {"Korvel", "TV", "T8", {"BETA---corner place"}},
        {"Korvel", "TV", "T7", {"      RESULT"}},
        {"Korvel", "TV", "T6", {"  lontude(degrees)               longtude(minutes)"}},
        {"Korvel", "TV", "T5", {"     Location", "TV-satellit"}},
        {"Korvel", "TV", "T4", {"    latitude(degrees)              latitude(minutes)"}},
        {"Korvel", "TV", "Label1", {" longitude(degrees)            longtude(minutes)"}},
        {"Korvel", "TV", "T3", {"  You location", "(Tiberias)"}},
        {"Korvel", "TV", "T2", {"                 LOCATION  TV-SATELLITE"}},
        {"Korvel", "TV", "T1", {"              CALCULATE"}},
        {"Korvel", "LIN1", "Label1", {"", "displace-", "ment axles", "on  corner"}},
        {"Drevik", "TV", "T9", {"      АЛЬФА---азимут"}},
        {"Drevik", "TV", "T8", {"BETA---угол  места"}},
        {"Drevik", "TV", "T7", {"      РЕЗУЛЬТАТ"}},
        {"Drevik", "TV", "T6", {"долгота(градусы)            долгота(минуты)"}},
        {"Drevik", "TV", "T5", {"     Координаты", "TV-спутника"}},
        {"Drevik", "TV", "T4", {"   широта(градусы)              широта(минуты)"}},
        {"Drevik", "TV", "Label1", {" долгота(градусы)            долгота(минуты)"}},
        {"Drevik", "TV", "T3", {"Ваши  координаты", "места  (Тверия)"}},
        {"Drevik", "TV", "T2", {"               КООРДИНАТ  TV-СПУТНИКА"}},
        {"Drevik", "TV", "T1", {"               РАССЧЕТ"}},
        {"Drevik", "LIN1", "Label1", {" сдвиг", "осей", "на", "угол"}},
        {"START", "SDREVIK", "Label4", {"             PRESS KEY"}},
        {"START", "SDREVIK", "Label3", {"      LANGUAGE"}},
        {"START", "SDREVIK", "Label2", {"Label2"}},
        {"START", "SDREVIK", "Label1", {"           LANGUAGE"}},
    };
    return rows;
}

// The lines the table gives for one label; none for a label it lacks.
inline std::vector<std::string_view> LinesShownBy(std::string_view build, std::string_view window,
                                                  std::string_view label) {
    for (const ShownLines& row : EveryLabelsLines()) {
        if (row.build == build && row.window == window && row.label == label) {
            return row.lines;
        }
    }
    return {};
}
