#include "language.h"

namespace calc {

const LanguageTable& RussianTable() {
    static const LanguageTable table{
        .buildName = "Drevik",
        .main =
            {
                .NAPR = "НАПРАВЛЕНИЕ",
                .cmdExit = "EXIT",
                .RISYNOK = "Рисунок",
                .Gprog = "STAPT",
                .T9 = "      АЛЬФА---азимут",
                .T8 = "BETA---угол  места",
                .T7 = "      РЕЗУЛЬТАТ",
                .T6 = "долгота(градусы)            долгота(минуты)",
                .T5 = "     Координаты              TV-спутника",
                .T4 = "   широта(градусы)              широта(минуты)",
                .Label1 = " долгота(градусы)            долгота(минуты)",
                .T3 = "Ваши  координаты   места  (Тверия)",
                .T2 = "               КООРДИНАТ  TV-СПУТНИКА",
                .T1 = "               РАССЧЕТ",
            },
        .compass =
            {
                .START = "START",
                .CMDEXIT = "EXIT",
                .Label1 = " сдвиг      осей        на        угол",
                .label1Width = 615,
            },
        .illustrations =
            {
                .formName = "RIS123",
                .cmd1 = "ВЫХОД",
                .RISYNOK = "PИС.1,2,3",
                .Picture1 = "Рисунки: как навести антенну на спутник",
                .titlePicture = "\\GDS001.BMP",
                .pictures = {"\\1k.BMP", "\\2k.BMP", "\\3k.BMP"},
            },
    };
    return table;
}

} // namespace calc
