#include "caption.h"

#include "forms/captionlines.h"

#include <cmath>
#include <string_view>

namespace win32ui {

namespace {

constexpr const wchar_t* kLayoutProperty = L"DishLabelLayout";

const LabelLayout* LayoutOf(HWND label) {
    return static_cast<const LabelLayout*>(GetPropW(label, kLayoutProperty));
}

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
    for (const forms::CaptionLine& line : forms::BreakCaption(text, width, measure)) {
        lines.emplace_back(text.substr(line.start, line.length));
    }
    return lines;
}

int Scaled(int pixels, int dpi) {
    return static_cast<int>(std::lround(pixels * static_cast<double>(dpi) / kReferenceDpi));
}

} // namespace

void SetLabelLayout(HWND label, const LabelLayout* layout) {
    if (layout) {
        SetPropW(label, kLayoutProperty, const_cast<LabelLayout*>(layout));
    } else {
        RemovePropW(label, kLayoutProperty);
    }
}

std::vector<std::wstring> LabelLines(HWND label) {
    const std::wstring caption = CaptionOf(label);
    if (const LabelLayout* layout = LayoutOf(label)) {
        const MeasuringDc dc(layout->referenceFont);
        return CaptionLines(caption, layout->referenceWidth, dc.get());
    }
    RECT area{};
    GetClientRect(label, &area);
    const MeasuringDc dc(FontOf(label));
    return CaptionLines(caption, area.right - area.left, dc.get());
}

void DrawLabelLines(HWND label, HDC dc, const RECT& area) {
    const LabelLayout* layout = LayoutOf(label);
    const int dpi = layout ? layout->dpi : kReferenceDpi;
    const MeasuringDc reference(layout ? layout->referenceFont : FontOf(label));
    TEXTMETRICW metrics{};
    GetTextMetricsW(reference.get(), &metrics);
    const int lineHeight = metrics.tmHeight + metrics.tmExternalLeading;

    HGDIOBJ old = SelectObject(dc, FontOf(label));
    int line = 0;
    for (const std::wstring& text : LabelLines(label)) {
        const int count = static_cast<int>(text.size());
        // Each letter's place at 96 dpi, scaled and rounded from the line's
        // start, so that rounding never adds up along the line.
        std::vector<int> ends(text.size());
        SIZE size{};
        GetTextExtentExPointW(reference.get(), text.c_str(), count, 0, nullptr, ends.data(), &size);
        std::vector<INT> advances(text.size());
        int placed = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            const int end = Scaled(ends[i], dpi);
            advances[i] = end - placed;
            placed = end;
        }
        ExtTextOutW(dc, area.left, area.top + Scaled(line * lineHeight, dpi), ETO_CLIPPED, &area,
                    text.c_str(), static_cast<UINT>(count), advances.data());
        ++line;
    }
    SelectObject(dc, old);
}

} // namespace win32ui
