#pragma once

#include "forms/controltable.h"

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

namespace win32ui {

// The fonts of one window at one resolution, made the first time they are
// asked for and deleted with the cache.
class FontCache {
public:
    explicit FontCache(int dpi) : m_dpi(dpi) {}
    ~FontCache();
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    // `font` at the cache's resolution, in the face Windows draws it in there.
    HFONT get(const forms::Font& font);

private:
    int m_dpi;
    // By face, points, boldness and character set.
    std::map<std::tuple<std::string, double, bool, int>, HFONT> m_fonts;
};

} // namespace win32ui
