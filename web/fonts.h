#pragma once

#include "forms/controltable.h"
#include "forms/geometry.h"

#include <string>
#include <string_view>

namespace webui {

// The page lays itself out in CSS pixels, 96 of them an inch.
inline constexpr double kCssDpi = forms::kReferenceDpi;

// A font as the page's style names it: "bold 16px \"MS Sans Serif\"".
std::string CssFont(const forms::Font& font);

// The width of `text` drawn in the CSS font `css`, in CSS pixels.
double Measure(const std::string& css, std::string_view text);

// How much wider each blank of `font` (`css` as the page names it) is drawn
// than the face's own, in CSS pixels.
double BlankWidening(const forms::Font& font, const std::string& css);

// Loads, from the site's fonts/ folder, the stand-ins of the faces `table`'s
// window and controls name and no window has named before: before anything
// is measured in them.
void LoadFacesFor(const forms::WindowTable& table);

} // namespace webui
