#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace win32ui {

// How a label's caption is laid out at every resolution: as it is at the
// reference resolution, 96 dpi, so that captions break into lines, and their
// letters take their places, alike at every resolution. With the label's
// font at 96 dpi (not owned) in the label's width at 96 dpi.
struct LabelLayout {
    HFONT referenceFont = nullptr;
    int referenceWidth = 0; // pixels at 96 dpi
};

// The lines the label control `label` draws: its caption broken as every
// build breaks captions, measured by `layout`.
std::vector<std::wstring> LabelLines(HWND label, const LabelLayout& layout);

// Draws the label control `label` at `dpi` into `dc` over `area`: each line
// in the label's font, each word where the layout's font places it, scaled
// to `dpi`, in no more room than it has there; the lines one reference line
// height apart, scaled.
void DrawLabelLines(HWND label, const LabelLayout& layout, int dpi, HDC dc, const RECT& area);

// Draws an owner-drawn label whole: its background, then its lines as
// DrawLabelLines draws them, in the system's text colour.
void DrawLabel(const DRAWITEMSTRUCT& item, const LabelLayout& layout, int dpi);

} // namespace win32ui
