#include "caption.h"

#include "forms/captionlines.h"
#include "forms/geometry.h"

#include <cmath>
#include <string_view>

namespace win32ui {

namespace {

HFONT FontOf(HWND label) {
    auto* font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

std::wstring CaptionOf(HWND label) {
    const int length = GetWindowTextLengthW(label);
    std::wstring caption(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(label, caption.data(), length + 1);
    caption.resize(static_cast<size_t>(length));
    return caption;
}

// A memory DC with `font` selected, released at the end of its scope.
class MeasuringDc {
public:
    explicit MeasuringDc(HFONT font)
        : m_dc(CreateCompatibleDC(nullptr)), m_old(SelectObject(m_dc, font)) {}
    ~MeasuringDc() {
        SelectObject(m_dc, m_old);
        DeleteDC(m_dc);
    }
    MeasuringDc(const MeasuringDc&) = delete;
    MeasuringDc& operator=(const MeasuringDc&) = delete;
    HDC get() const { return m_dc; }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

std::vector<std::wstring> CaptionLines(std::wstring_view text, int width, HDC dc) {
    const auto measure = [dc](std::wstring_view piece) {
        SIZE size{};
        GetTextExtentPoint32W(dc, piece.data(), static_cast<int>(piece.size()), &size);
        return size.cx;
    };
    std::vector<std::wstring> lines;
    // Windows draws the faces the windows name: no blank is widened.
    for (const forms::CaptionLine& line : forms::LabelCaptionLines(text, width, 0, measure)) {
        lines.emplace_back(text.substr(line.start, line.length));
    }
    return lines;
}

} // namespace

std::vector<std::wstring> LabelLines(HWND label, const LabelLayout& layout) {
    const MeasuringDc dc(layout.referenceFont);
    return CaptionLines(CaptionOf(label), layout.referenceWidth, dc.get());
}

void DrawLabelLines(HWND label, const LabelLayout& layout, int dpi, HDC dc, const RECT& area) {
    const MeasuringDc reference(layout.referenceFont);
    TEXTMETRICW metrics{};
    GetTextMetricsW(reference.get(), &metrics);
    const int lineHeight = metrics.tmHeight + metrics.tmExternalLeading;

    HGDIOBJ old = SelectObject(dc, FontOf(label));
    int line = 0;
    for (const std::wstring& text : LabelLines(label, layout)) {
        const int count = static_cast<int>(text.size());
        const int y = area.top + forms::ScaledFromReference(line * lineHeight, dpi);
        ++line;
        if (count == 0) {
            continue;
        }
        // Where each letter ends at 96 dpi, and in the label's own font.
        std::vector<int> referenceEnds(text.size());
        std::vector<int> ownEnds(text.size());
        SIZE size{};
        GetTextExtentExPointW(reference.get(), text.c_str(), count, 0, nullptr,
                              referenceEnds.data(), &size);
        GetTextExtentExPointW(dc, text.c_str(), count, 0, nullptr, ownEnds.data(), &size);
        // Each word starts where it starts at 96 dpi, scaled, so that words
        // the blanks place stay in their columns. It is drawn in the font's
        // own spacing where that fits in the room it has at 96 dpi, scaled;
        // otherwise its letters close up to fit it.
        std::size_t start = 0;
        while (start < text.size()) {
            start = text.find_first_not_of(L' ', start);
            if (start == std::wstring::npos) {
                break;
            }
            std::size_t end = text.find(L' ', start);
            if (end == std::wstring::npos) {
                end = text.size();
            }
            const auto before = [&](const std::vector<int>& ends) {
                return start == 0 ? 0 : ends[start - 1];
            };
            const int left = forms::ScaledFromReference(before(referenceEnds), dpi);
            const int room = forms::ScaledFromReference(referenceEnds[end - 1], dpi) - left;
            const int own = ownEnds[end - 1] - before(ownEnds);
            std::vector<INT> advances;
            if (own > room) {
                int placed = 0;
                for (std::size_t i = start; i < end; ++i) {
                    const int at = static_cast<int>(std::lround(
                        static_cast<double>(ownEnds[i] - before(ownEnds)) * room / own));
                    advances.push_back(at - placed);
                    placed = at;
                }
            }
            ExtTextOutW(dc, area.left + left, y, ETO_CLIPPED, &area, text.c_str() + start,
                        static_cast<UINT>(end - start),
                        advances.empty() ? nullptr : advances.data());
            start = end;
        }
    }
    SelectObject(dc, old);
}

// A label's caption, left-aligned from its top, in its font, broken into
// lines at blanks where it does not fit; what falls below the label is cut.
void DrawLabel(const DRAWITEMSTRUCT& item, const LabelLayout& layout, int dpi) {
    HDC dc = item.hDC;
    FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawLabelLines(item.hwndItem, layout, dpi, dc, item.rcItem);
}

} // namespace win32ui
