#include "window.h"

#include "core/failure.h"
#include "dpi.h"
#include "forms/geometry.h"
#include "picturebox.h"
#include "text.h"
#include "windowclasses.h"

#include <functional>
#include <stdexcept>
#include <utility>

namespace win32ui {

namespace {

// Control ids start here, one a table row, so that a click names its button.
constexpr int kFirstControlId = 1000;
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

} // namespace

Win32Window::Win32Window(const forms::WindowTable& table, forms::WindowEvents& events,
                         const Graphics& graphics)
    : m_name(table.name), m_events(&events), m_dpi(ScreenDpi()),
      m_fonts(std::make_unique<FontCache>(m_dpi)), m_referenceFonts(forms::kReferenceDpi),
      m_graphics(graphics) {
    RegisterClasses();
    m_widthTwips = table.width;
    m_heightTwips = table.height;
    m_clientWidth = forms::TwipsToPixels(table.width, m_dpi);
    m_clientHeight = forms::TwipsToPixels(table.height, m_dpi);
    const DWORD style = kWindowStyle;
    RECT outer{0, 0, m_clientWidth, m_clientHeight};
    AdjustWindowRectEx(&outer, style, FALSE, 0);
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    if (table.screenPosition) {
        // The table places the client area; the frame lies around it.
        x = forms::TwipsToPixels(table.screenPosition->x, m_dpi) + outer.left;
        y = forms::TwipsToPixels(table.screenPosition->y, m_dpi) + outer.top;
    }
    // WM_NCCREATE ties the window to this object.
    CreateWindowExW(0, kWindowClass, Wide(table.caption).c_str(), style, x, y,
                    outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                    ProgramInstance(), this);
    if (!m_window) {
        throw std::runtime_error("Cannot create the window " + m_name + ": " +
                                 calc::SystemText(GetLastError()));
    }
    m_defaultFont = m_fonts->get(forms::kDefaultFont);
    createControls(table);
    // A monitor of its own resolution, where Windows placed the window on one.
    const int shownDpi = WindowDpi(m_window);
    if (shownDpi != m_dpi) {
        setDpi(shownDpi, nullptr);
    }
}

void Win32Window::createControls(const forms::WindowTable& table) {
    // Children created later lie below those created earlier. The lines come
    // first: labels are drawn over the background, and a line that a label's
    // box crosses still shows whole. The rest from the end of the table, so
    // that a later row lies on top, as the table means. A picture box is made
    // before the buttons inside it.
    std::map<std::string_view, int> rows;
    for (size_t i = 0; i < table.controls.size(); ++i) {
        rows[table.controls[i].name] = static_cast<int>(i);
    }
    std::function<void(int)> create = [&](int row) {
        const forms::Control& c = table.controls[static_cast<size_t>(row)];
        if (m_controls.find(c.name) != m_controls.end()) {
            return;
        }
        HWND parent = m_window;
        if (!c.inside.empty()) {
            create(rows.at(c.inside));
            parent = control(c.inside);
        }
        const wchar_t* windowClass = L"STATIC";
        DWORD controlStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
        DWORD exStyle = 0;
        switch (c.kind) {
        case forms::ControlKind::Button:
            windowClass = L"BUTTON";
            controlStyle |= WS_TABSTOP | BS_PUSHBUTTON;
            break;
        case forms::ControlKind::TextBox:
            windowClass = L"EDIT";
            controlStyle |= WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case forms::ControlKind::Label:
            // The window draws its labels' captions (WM_DRAWITEM), so that
            // they break into lines as every build breaks them.
            controlStyle |= SS_OWNERDRAW;
            break;
        case forms::ControlKind::Line:
            controlStyle |= SS_BLACKRECT;
            break;
        case forms::ControlKind::PictureBox:
            windowClass = kPictureBoxClass;
            controlStyle |= WS_TABSTOP | WS_CLIPCHILDREN;
            break;
        }
        const forms::PixelRect place = forms::ControlPixels(c, m_dpi);
        if (c.kind == forms::ControlKind::TextBox) {
            // A screen reader names an edit control by the static right
            // before it in z-order: a hidden one carries the labels beside
            // the box (a column label stands over two boxes, so the visible
            // label alone cannot name either).
            CreateWindowExW(0, L"STATIC", Wide(forms::AccessibleName(table, c)).c_str(),
                            WS_CHILD | SS_LEFT, place.left, place.top, 0, 0, parent, nullptr,
                            ProgramInstance(), nullptr);
        }
        const int id = kFirstControlId + row;
        // A picture box has no caption: its window text is what a screen
        // reader calls it.
        const std::string text = c.kind == forms::ControlKind::PictureBox
                                     ? forms::AccessibleName(table, c)
                                     : std::string(c.text);
        HWND child = CreateWindowExW(exStyle, windowClass, Wide(text).c_str(), controlStyle,
                                     place.left, place.top, place.width, place.height, parent,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                     ProgramInstance(), nullptr);
        if (!child) {
            throw std::runtime_error("Cannot create the control " + std::string(c.name) + " of " +
                                     m_name + ": " + calc::SystemText(GetLastError()));
        }
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font(c)), FALSE);
        if (c.kind == forms::ControlKind::Label) {
            m_labelLayouts[child] = {m_referenceFonts.get(c.font ? *c.font : forms::kDefaultFont),
                                     forms::TwipsToPixels(c.place.width, forms::kReferenceDpi)};
        }
        m_placed.push_back({child, c});
        m_controls.emplace(std::string(c.name), child);
        if (c.kind == forms::ControlKind::Button) {
            m_buttonIds.emplace(id, std::string(c.name));
        }
    };
    for (size_t row = 0; row < table.controls.size(); ++row) {
        if (table.controls[row].kind == forms::ControlKind::Line) {
            create(static_cast<int>(row));
        }
    }
    for (int row = static_cast<int>(table.controls.size()) - 1; row >= 0; --row) {
        create(row);
    }
    for (const forms::Control* c : forms::TabOrder(table)) {
        m_tabOrder.push_back(control(c->name));
    }
}

void Win32Window::setDpi(int dpi, const RECT* suggested) {
    m_dpi = dpi;
    // The controls still use the old fonts until they are given the new ones.
    const std::unique_ptr<FontCache> oldFonts =
        std::exchange(m_fonts, std::make_unique<FontCache>(dpi));
    m_defaultFont = m_fonts->get(forms::kDefaultFont);
    m_clientWidth = forms::TwipsToPixels(m_widthTwips, dpi);
    m_clientHeight = forms::TwipsToPixels(m_heightTwips, dpi);

    for (const auto& [child, c] : m_placed) {
        const forms::PixelRect place = forms::ControlPixels(c, dpi);
        SetWindowPos(child, nullptr, place.left, place.top, place.width, place.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font(c)), FALSE);
    }
    const SIZE outer = OuterSize(m_clientWidth, m_clientHeight, kWindowStyle, dpi);
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (!suggested) {
        flags |= SWP_NOMOVE;
    }
    SetWindowPos(m_window, nullptr, suggested ? suggested->left : 0, suggested ? suggested->top : 0,
                 outer.cx, outer.cy, flags);
    // Where the frame Windows draws is not the one the resolution has (a
    // program not aware of it), the client area is still made exact.
    RECT client{};
    GetClientRect(m_window, &client);
    if (client.right != m_clientWidth || client.bottom != m_clientHeight) {
        SetWindowPos(m_window, nullptr, 0, 0, outer.cx + m_clientWidth - client.right,
                     outer.cy + m_clientHeight - client.bottom,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    }
    if (m_surface) {
        m_surface->setResolution(dpi, m_defaultFont, m_clientWidth, m_clientHeight);
    }
    RedrawWindow(m_window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

Win32Window::~Win32Window() {
    m_surface.reset();
    if (m_window) {
        // Whatever DestroyWindow still sends goes past this object.
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        DestroyWindow(m_window);
    }
}

HFONT Win32Window::font(const forms::Control& c) {
    return c.font ? m_fonts->get(*c.font) : m_defaultFont;
}

std::vector<std::wstring> Win32Window::labelLines(std::string_view label) const {
    HWND control = this->control(label);
    return LabelLines(control, m_labelLayouts.at(control));
}

HWND Win32Window::control(std::string_view name) const {
    const auto it = m_controls.find(name);
    if (it == m_controls.end()) {
        throw std::logic_error(m_name + " has no control " + std::string(name));
    }
    return it->second;
}

void Win32Window::show() {
    ShowWindow(m_window,
               IsIconic(m_window) || !IsWindowVisible(m_window) ? SW_SHOWNORMAL : SW_SHOW);
    SetForegroundWindow(m_window);
    BringWindowToTop(m_window);
}

void Win32Window::hide() {
    ShowWindow(m_window, SW_HIDE);
}

std::string Win32Window::text(std::string_view name) const {
    HWND box = control(name);
    const int length = GetWindowTextLengthW(box);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(box, text.data(), length + 1)));
    return Narrow(text);
}

void Win32Window::setText(std::string_view name, std::string_view text) {
    HWND box = control(name);
    SetWindowTextW(box, Wide(text).c_str());
    // The caret at the start: a text longer than its box shows its beginning.
    SendMessageW(box, EM_SETSEL, 0, 0);
    SendMessageW(box, EM_SCROLLCARET, 0, 0);
}

void Win32Window::setPicture(std::string_view name, std::unique_ptr<forms::Picture> picture) {
    HWND box = control(name);
    std::unique_ptr<Win32Picture>& slot = m_pictures[box];
    slot.reset(static_cast<Win32Picture*>(picture.release()));
    SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(slot.get()));
    InvalidateRect(box, nullptr, TRUE);
}

calc::DrawingSurface& Win32Window::surface() {
    if (!m_surface) {
        if (!m_graphics.makeSurface) {
            throw calc::Failure(m_name + " cannot draw: this program carries no drawing");
        }
        m_surface =
            m_graphics.makeSurface(m_window, m_defaultFont, m_clientWidth, m_clientHeight, m_dpi);
    }
    return *m_surface;
}

LRESULT Win32Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            const auto it = m_buttonIds.find(LOWORD(wParam));
            if (it != m_buttonIds.end() && m_events) {
                // The handler may close this window: it is only freed later.
                m_events->clicked(it->second);
            }
            return 0;
        }
        break;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const auto layout = m_labelLayouts.find(item->hwndItem);
        if (item->CtlType == ODT_STATIC && layout != m_labelLayouts.end()) {
            DrawLabel(*item, layout->second, m_dpi);
            return TRUE;
        }
        break;
    }
    case WM_DPICHANGED:
        // Moved to a monitor of another resolution: the twips at that one.
        setDpi(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        // The runtime decides whether the window goes.
        if (m_events) {
            m_events->closeRequested();
        }
        return 0;
    case WM_ACTIVATE:
        activated(wParam);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(m_window, &paint);
        if (m_surface) {
            m_surface->paint(dc);
        }
        EndPaint(m_window, &paint);
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handleMessage(message, wParam, lParam);
}

} // namespace win32ui
