#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace win32ui {

// The displays' reference resolution: captions break into lines, and their
// letters take their places, as they do at 96 dpi, at every resolution.
inline constexpr int kReferenceDpi = 96;

// How a label's caption is laid out: with the label's font at 96 dpi (not
// owned) in the label's width at 96 dpi, scaled to the label's resolution.
struct LabelLayout {
    HFONT referenceFont = nullptr;
    int referenceWidth = 0; // pixels at 96 dpi
    int dpi = kReferenceDpi;
};

// Ties a layout to the label control `label` (which must outlive neither).
void SetLabelLayout(HWND label, const LabelLayout* layout);

// The lines the label control `label` draws: its caption broken as every
// build breaks captions, measured by its layout, or with its own font at its
// width where it has none. A line of blanks only is an empty line.
std::vector<std::wstring> LabelLines(HWND label);

// Draws the label control `label` into `dc` over `area`: each line in the
// label's font, each word where the layout's font places it, scaled to the
// label's resolution, in no more room than it has there; the lines one
// reference line height apart, scaled.
void DrawLabelLines(HWND label, HDC dc, const RECT& area);

} // namespace win32ui
