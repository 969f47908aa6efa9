#include "fonts.h"

#include "forms/faces.h"
#include "forms/geometry.h"

#include <emscripten.h>

#include <cstdio>

// The page's script, as JavaScript is written.
// clang-format off
EM_JS(double, dish_measure, (const char* font, const char* text, int length),
      { return Dish.measure(UTF8ToString(font), UTF8ToString(text, length)); });
// The faces that stand in for `windows`, regular and bold, from the font
// files at `regular` and `bold`, loaded before anything is measured in them.
EM_ASYNC_JS(void, dish_load_face, (const char* windows, const char* regular, const char* bold), {
    await Dish.loadFace(UTF8ToString(windows), UTF8ToString(regular), UTF8ToString(bold));
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

void LoadFaces() {
    // The page draws the faces the windows name with their stand-ins, as the
    // Linux build does.
    for (const forms::StandInFace& face : forms::kStandInFaces) {
        const std::string regular = "fonts/" + forms::FontFileName(face, false);
        const std::string bold = "fonts/" + forms::FontFileName(face, true);
        dish_load_face(std::string(face.windows).c_str(), regular.c_str(), bold.c_str());
    }
}

} // namespace webui
