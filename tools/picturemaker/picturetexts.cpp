#include "picturetexts.h"

const PictureTexts& EnglishPictureTexts() {
    static const PictureTexts texts{
        "KORVEL",
        "Satellite dish pointing calculator",
        "Type your site and the satellite's longitude:",
        "it gives the azimuth ALFA and the elevation BETA.",
        "TV satellite",
        "your dish",
        "geostationary arc",

        "1. Azimuth ALFA, seen from above",
        "N",
        "S",
        "E",
        "W",
        {"ALFA is the dish", "direction, measured", "clockwise from north:", "E = 90°, S = 180°,",
         "W = 270°."},
        "ALFA",

        "2. Elevation BETA, seen from the side",
        "horizon",
        "BETA",
        "BETA < 0",
        {"BETA is the angle of the dish above the horizon.",
         "A negative BETA: the satellite is below the horizon."},

        "3. Using the compass window",
        {"thin cross: S at the top", "thick cross: turned", "cyan line: aim the dish"},
        {"1. Type a displacement (degrees) in the box, so that",
         "    the thick cross's NORTH lies along magnetic north",
         "    or along a wall of the house.  2. Press START."},
        {"magnetic north", "or a wall"},
    };
    return texts;
}

const PictureTexts& RussianPictureTexts() {
    static const PictureTexts texts{
        "DREVIK",
        "Расчёт наведения спутниковой антенны",
        "Введите координаты места и долготу спутника:",
        "программа даст азимут АЛЬФА и угол места BETA.",
        "TV-спутник",
        "ваша антенна",
        "геостационарная орбита",

        "1. Азимут АЛЬФА, вид сверху",
        "С",
        "Ю",
        "В",
        "З",
        {"АЛЬФА - направление", "антенны, отсчёт от", "севера по часовой", "стрелке: В = 90°,",
         "Ю = 180°, З = 270°."},
        "АЛЬФА",

        "2. Угол места BETA, вид сбоку",
        "горизонт",
        "BETA",
        "BETA < 0",
        {"BETA - угол подъёма антенны над горизонтом.", "BETA меньше нуля: спутник за горизонтом."},

        "3. Как пользоваться окном компаса",
        {"тонкий крест: юг вверху", "толстый крест: повёрнут", "голубая линия: наводка"},
        {"1. Введите в поле сдвиг осей (градусы), чтобы",
         "    север толстого креста лёг на магнитный север",
         "    или вдоль стены дома.  2. Нажмите START."},
        {"магнитный север", "или стена"},
    };
    return texts;
}
