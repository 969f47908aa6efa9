#include "fonts.h"

#include "forms/faces.h"
#include "forms/geometry.h"
#include "text.h"

#include <cmath>

namespace win32ui {

namespace {

// The face a font of the windows is drawn in at `dpi`. The bitmap faces
// come in a few pixel sizes only, made for 96 dpi: elsewhere their TrueType
// counterparts draw them.
std::wstring FaceAt(std::string_view face, int dpi) {
    if (dpi != forms::kReferenceDpi) {
        if (const forms::StandInFace* known = forms::StandInFor(face);
            known && !known->trueTypeOf.empty()) {
            return Wide(known->trueTypeOf);
        }
    }
    return Wide(face);
}

HFONT CreateFontAt(const forms::Font& f, int dpi) {
    // Points to pixels at the resolution; negative: the character height, not
    // the cell's.
    const int height = -static_cast<int>(std::lround(forms::PointsToPixels(f.points, dpi)));
    return CreateFontW(height, 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       static_cast<DWORD>(f.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, FaceAt(f.name, dpi).c_str());
}

} // namespace

FontCache::~FontCache() {
    for (const auto& [key, font] : m_fonts) {
        DeleteObject(font);
    }
}

HFONT FontCache::get(const forms::Font& f) {
    auto key = std::make_tuple(std::string(f.name), f.points, f.bold, f.charset);
    const auto it = m_fonts.find(key);
    if (it != m_fonts.end()) {
        return it->second;
    }
    HFONT created = CreateFontAt(f, m_dpi);
    m_fonts.emplace(std::move(key), created);
    return created;
}

} // namespace win32ui
