#include "language.h"

namespace calc {

const LanguageTable& RussianTable() {
    static const LanguageTable table{
        "Drevik",
        {
            "НАПРАВЛЕНИЕ",
            "EXIT",
            "Рисунок",
            "STAPT",
            "      АЛЬФА---азимут",
            "BETA---угол  места",
            "      РЕЗУЛЬТАТ",
            "долгота(градусы)            долгота(минуты)",
            "     Координаты              TV-спутника",
            "   широта(градусы)              широта(минуты)",
            " долгота(градусы)            долгота(минуты)",
            "Ваши  координаты   места  (Тверия)",
            "               КООРДИНАТ  TV-СПУТНИКА",
            "               РАССЧЕТ",
        },
        {
            "START",
            "EXIT",
            " сдвиг      осей        на        угол",
            615,
        },
        {
            "RIS123",
            "ВЫХОД",
            "PИС.1,2,3", // a Latin P, then Cyrillic
            "\\GDS001.BMP",
            {"\\1k.BMP", "\\2k.BMP", "\\3k.BMP"},
        },
    };
    return table;
}

} // namespace calc
