#include "language.h"

namespace calc {

const LanguageTable& EnglishTable() {
    static const LanguageTable table{
        .buildName = "Korvel",
        .main =
            {
                .NAPR = "DIRECTION",
                .cmdExit = "EXIT",
                .RISYNOK = "Pucture",
                .Gprog = "START",
                .T9 = "        ALFA---azimuth",
                .T8 = "BETA---corner place",
                .T7 = "      RESULT",
                .T6 = "  lontude(degrees)               longtude(minutes)",
                .T5 = "     Location                       TV-satellit",
                .T4 = "    latitude(degrees)              latitude(minutes)",
                .Label1 = " longitude(degrees)            longtude(minutes)",
                .T3 = "  You location                      (Tiberias)",
                .T2 = "                 LOCATION  TV-SATELLITE",
                .T1 = "              CALCULATE",
            },
        .compass =
            {
                .START = "START",
                .CMDEXIT = "EXIT",
                .Label1 = "                          displace-   ment axles    on  corner",
                .label1Width = 1095,
            },
        .illustrations =
            {
                .formName = "RIS123E",
                .cmd1 = "EXIT",
                .RISYNOK = "PIC.1,2,3",
                .Picture1 = "Pictures: how to point the dish at the satellite",
                .titlePicture = "\\GDS1ENG.BMP",
                .pictures = {"\\1kENG.BMP", "\\2kENG.BMP", "\\3kENG.BMP"},
            },
    };
    return table;
}

} // namespace calc
