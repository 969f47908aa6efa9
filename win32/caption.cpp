#include "caption.h"

#include "forms/captionlines.h"

#include <string_view>

namespace win32ui {

namespace {

// The caption broken into lines, measured with the font selected into `dc`.
std::vector<std::wstring> CaptionLines(std::wstring_view text, int width, HDC dc) {
    const auto measure = [dc](std::wstring_view piece) {
        SIZE size{};
        GetTextExtentPoint32W(dc, piece.data(), static_cast<int>(piece.size()), &size);
        return size.cx;
    };
    std::vector<std::wstring> lines;
    for (const forms::CaptionLine& line : forms::BreakCaption(text, width, measure)) {
        lines.emplace_back(text.substr(line.start, line.length));
    }
    return lines;
}

} // namespace

std::vector<std::wstring> LabelLines(HWND label) {
    const int length = GetWindowTextLengthW(label);
    std::wstring caption(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(label, caption.data(), length + 1);
    caption.resize(static_cast<size_t>(length));
    RECT area{};
    GetClientRect(label, &area);
    HDC dc = GetDC(label);
    auto* font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    HGDIOBJ old =
        SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    std::vector<std::wstring> lines = CaptionLines(caption, area.right - area.left, dc);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    return lines;
}

} // namespace win32ui
