#include "picturetexts.h"

const PictureTexts& EnglishPictureTexts() {
    static const PictureTexts texts{
        .programName = "KORVEL",
        .purpose = "Satellite dish pointing calculator",
        .titleLine1 = "Type your site and the satellite's longitude:",
        .titleLine2 = "it gives the azimuth ALFA and the elevation BETA.",
        .satellite = "TV satellite",
        .dish = "your dish",
        .arc = "geostationary arc",
        .azimuthHeading = "1. Azimuth ALFA, seen from above",
        .north = "N",
        .south = "S",
        .east = "E",
        .west = "W",
        .azimuthNote = {"ALFA is the dish", "direction, measured",
                        "clockwise from north:", "E = 90°, S = 180°,", "W = 270°."},
        .alfaLabel = "ALFA",
        .elevationHeading = "2. Elevation BETA, seen from the side",
        .horizon = "horizon",
        .BETA = "BETA",
        .below = "BETA < 0",
        .elevationNote = {"BETA is the angle of the dish above the horizon.",
                          "A negative BETA: the satellite is below the horizon."},
        .compassHeading = "3. Using the compass window",
        .compassLegend = {"thin cross: S at the top", "thick cross: turned",
                          "cyan line: aim the dish"},
        .compassSteps = {"1. Type a displacement (degrees) in the box, so that",
                         "    the thick cross's NORTH lies along magnetic north",
                         "    or along a wall of the house.  2. Press START."},
        .reference = {"magnetic north", "or a wall"},
    };
    return texts;
}

const PictureTexts& RussianPictureTexts() {
    static const PictureTexts texts{
        .programName = "DREVIK",
        .purpose = "Расчёт наведения спутниковой антенны",
        .titleLine1 = "Введите координаты места и долготу спутника:",
        .titleLine2 = "программа даст азимут АЛЬФА и угол места BETA.",
        .satellite = "TV-спутник",
        .dish = "ваша антенна",
        .arc = "геостационарная орбита",
        .azimuthHeading = "1. Азимут АЛЬФА, вид сверху",
        .north = "С",
        .south = "Ю",
        .east = "В",
        .west = "З",
        .azimuthNote = {"АЛЬФА - направление", "антенны, отсчёт от", "севера по часовой",
                        "стрелке: В = 90°,", "Ю = 180°, З = 270°."},
        .alfaLabel = "АЛЬФА",
        .elevationHeading = "2. Угол места BETA, вид сбоку",
        .horizon = "горизонт",
        .BETA = "BETA",
        .below = "BETA < 0",
        .elevationNote = {"BETA - угол подъёма антенны над горизонтом.",
                          "BETA меньше нуля: спутник за горизонтом."},
        .compassHeading = "3. Как пользоваться окном компаса",
        .compassLegend = {"тонкий крест: юг вверху", "толстый крест: повёрнут",
                          "голубая линия: наводка"},
        .compassSteps = {"1. Введите в поле сдвиг осей (градусы), чтобы",
                         "    север толстого креста лёг на магнитный север",
                         "    или вдоль стены дома.  2. Нажмите START."},
        .reference = {"магнитный север", "или стена"},
    };
    return texts;
}
