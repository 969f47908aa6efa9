#include "language.h"

namespace calc {

const LanguageTable& EnglishTable() {
    static const LanguageTable table{
        "Korvel",
        {
            "DIRECTION",
            "EXIT",
            "Pucture",
            "START",
            "        ALFA---azimuth",
            "BETA---corner place",
            "      RESULT",
            "  lontude(degrees)               longtude(minutes)",
            "     Location                       TV-satellit",
            "    latitude(degrees)              latitude(minutes)",
            " longitude(degrees)            longtude(minutes)",
            "  You location                      (Tiberias)",
            "                 LOCATION  TV-SATELLITE",
            "              CALCULATE",
        },
        {
            "START",
            "EXIT",
            "                          displace-   ment axles    on  corner",
            1095,
        },
        {
            "RIS123E",
            "EXIT",
            "PIC.1,2,3",
            "\\GDS1ENG.BMP",
            {"\\1kENG.BMP", "\\2kENG.BMP", "\\3kENG.BMP"},
        },
    };
    return table;
}

} // namespace calc
