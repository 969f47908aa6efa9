#include "fonts.h"

#include "forms/faces.h"
#include "forms/geometry.h"

#include <emscripten.h>

#include <cstdio>
#include <set>
#include <utility>

// The page's script, as JavaScript is written.
// clang-format off
EM_JS(double, dish_measure, (const char* font, const char* text, int length),
      { return Dish.measure(UTF8ToString(font), UTF8ToString(text, length)); });
// The faces that stand in for Windows faces, loaded together before anything
// is measured in them. `faces` holds three lines a face: the Windows face's
// name, its font file and "bold" or "normal".
EM_ASYNC_JS(void, dish_load_faces, (const char* faces), {
    const lines = UTF8ToString(faces).split("\n");
    const wanted = [];
    for (let i = 0; i + 2 < lines.length; i += 3) {
        wanted.push([lines[i], lines[i + 1], lines[i + 2] === "bold"]);
    }
    await Dish.loadFaces(wanted);
});
// clang-format on

namespace webui {

std::string CssFont(const forms::Font& font) {
    const double pixels = forms::PointsToPixels(font.points, kCssDpi);
    char size[32];
    std::snprintf(size, sizeof size, "%.4gpx", pixels);
    return std::string(font.bold ? "bold " : "") + size + " \"" + std::string(font.name) + "\"";
}

double Measure(const std::string& css, std::string_view text) {
    return dish_measure(css.c_str(), text.data(), static_cast<int>(text.size()));
}

// How much wider each blank is drawn than the font's own, in CSS pixels.
double BlankWidening(const forms::Font& font, const std::string& css) {
    const forms::StandInFace* face = forms::StandInFor(font.name);
    if (!face || face->blankWidening == 0) {
        return 0;
    }
    return face->blankWidening * Measure(css, " ");
}

void LoadFacesFor(const forms::WindowTable& table) {
    // The page draws the faces the windows name with their stand-ins, as the
    // Linux build does. Each face comes when the first window that names it
    // opens, so a page fetches only the font files its windows use.
    static std::set<std::pair<const forms::StandInFace*, bool>> loaded;
    std::string faces;
    const auto want = [&](const forms::Font& font) {
        const forms::StandInFace* face = forms::StandInFor(font.name);
        if (face && loaded.insert({face, font.bold}).second) {
            faces += std::string(face->windows) + "\nfonts/" +
                     forms::FontFileName(*face, font.bold) +
                     (font.bold ? "\nbold\n" : "\nnormal\n");
        }
    };
    want(forms::kDefaultFont);
    for (const forms::Control& control : table.controls) {
        if (control.font) {
            want(*control.font);
        }
    }
    if (!faces.empty()) {
        dish_load_faces(faces.c_str());
    }
}

} // namespace webui
