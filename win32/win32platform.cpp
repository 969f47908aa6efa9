#include "win32platform.h"

#include "caption.h"
#include "core/bitmapheader.h"
#include "core/failure.h"
#include "forms/faces.h"
#include "forms/geometry.h"
#include "text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace win32ui {

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK MessageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

namespace {

constexpr const wchar_t* kWindowClass = L"DishWindow";
constexpr const wchar_t* kPictureBoxClass = L"DishPictureBox";
constexpr const wchar_t* kMessageClass = L"DishMessages";
// Sent to the message-only window: free the windows that were closed.
constexpr UINT kReleaseClosing = WM_APP + 1;
// Control ids start here, one a table row, so that a click names its button.
constexpr int kFirstControlId = 1000;
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

// A function of user32 that older Windows lack, or null.
template <class Function> Function User32Function(const char* name) {
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

// The resolution the window is shown at: its monitor's where Windows tells
// (Windows 10 1607 and later), otherwise the display's.
int WindowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    const int dpi = getDpiForWindow ? static_cast<int>(getDpiForWindow(window)) : 0;
    return dpi > 0 ? dpi : ScreenDpi();
}

// The window's outer size for a client area of `width` x `height` pixels,
// with the frame as wide as it is at `dpi`.
SIZE OuterSize(int width, int height, DWORD style, int dpi) {
    using AdjustFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = User32Function<AdjustFunction>("AdjustWindowRectExForDpi");
    RECT outer{0, 0, width, height};
    if (!adjustForDpi || !adjustForDpi(&outer, style, FALSE, 0, static_cast<UINT>(dpi))) {
        AdjustWindowRectEx(&outer, style, FALSE, 0);
    }
    return {outer.right - outer.left, outer.bottom - outer.top};
}

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

// A picture box paints its picture at its top-left corner, as large as it is
// at 96 dpi scaled to the window's resolution; the rest
// shows the window's background, which the class brush erases. Clicks of the
// buttons inside it go on to the window.
LRESULT CALLBACK PictureBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(box, &paint);
        const auto* picture =
            reinterpret_cast<const Win32Picture*>(GetWindowLongPtrW(box, GWLP_USERDATA));
        if (picture && picture->bitmap) {
            // Each picture pixel covers as much of the display as a pixel at
            // 96 dpi would: whole pixels, repeated, so that it stays sharp.
            const auto* window = reinterpret_cast<const Win32Window*>(
                GetWindowLongPtrW(GetAncestor(box, GA_ROOT), GWLP_USERDATA));
            const int dpi = window ? window->dpi() : forms::kReferenceDpi;
            const int width = forms::ScaledFromReference(picture->width, dpi);
            const int height = forms::ScaledFromReference(picture->height, dpi);
            HDC source = CreateCompatibleDC(dc);
            HGDIOBJ old = SelectObject(source, picture->bitmap);
            SetStretchBltMode(dc, COLORONCOLOR);
            StretchBlt(dc, 0, 0, width, height, source, 0, 0, picture->width, picture->height,
                       SRCCOPY);
            SelectObject(source, old);
            DeleteDC(source);
        }
        EndPaint(box, &paint);
        return 0;
    }
    case WM_COMMAND:
        return SendMessageW(GetParent(box), WM_COMMAND, wParam, lParam);
    case WM_LBUTTONDOWN:
        SetFocus(box);
        return 0;
    default:
        return DefWindowProcW(box, message, wParam, lParam);
    }
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

HINSTANCE ProgramInstance() {
    return GetModuleHandleW(nullptr);
}

void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HICON icon, bool background) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ProgramInstance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = icon;
    if (background) {
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    }
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

void RegisterClasses() {
    static const bool registered = [] {
        // The program's own icon (resource 1) where it has one.
        RegisterWindowClass(kWindowClass, WindowProcedure,
                            LoadIconW(ProgramInstance(), MAKEINTRESOURCEW(1)), true);
        RegisterWindowClass(kPictureBoxClass, PictureBoxProcedure, nullptr, true);
        RegisterWindowClass(kMessageClass, MessageProcedure, nullptr, false);
        return true;
    }();
    (void)registered;
}

// Failure messages are UTF-8, except where a reason came from the C runtime in
// the ANSI code page.
std::wstring MessageText(const std::string& message) {
    const int size = static_cast<int>(message.size());
    if (size == 0 ||
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, message.data(), size, nullptr, 0) > 0) {
        return Wide(message);
    }
    const int length = MultiByteToWideChar(CP_ACP, 0, message.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, message.data(), size, wide.data(), length);
    return wide;
}

} // namespace

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

// --- Win32Window ---------------------------------------------------------

Win32Window::Win32Window(const forms::WindowTable& table, forms::WindowEvents& events,
                         const Graphics& graphics)
    : m_name(table.name), m_events(&events), m_dpi(ScreenDpi()), m_graphics(graphics) {
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
    m_defaultFont = font(forms::kSans825);

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
        const int id = kFirstControlId + row;
        HWND child = CreateWindowExW(exStyle, windowClass, Wide(c.text).c_str(), controlStyle,
                                     place.left, place.top, place.width, place.height, parent,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                     ProgramInstance(), nullptr);
        if (!child) {
            throw std::runtime_error("Cannot create the control " + std::string(c.name) + " of " +
                                     m_name + ": " + calc::SystemText(GetLastError()));
        }
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font(c)), FALSE);
        if (c.kind == forms::ControlKind::Label) {
            m_labelLayouts[child] = {referenceFont(c.font ? *c.font : forms::kSans825),
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
    // A monitor of its own resolution, where Windows placed the window on one.
    const int shownDpi = WindowDpi(m_window);
    if (shownDpi != m_dpi) {
        setDpi(shownDpi, nullptr);
    }
}

void Win32Window::setDpi(int dpi, const RECT* suggested) {
    m_dpi = dpi;
    const auto oldFonts = std::move(m_fontsByKey);
    m_fontsByKey.clear();
    m_defaultFont = font(forms::kSans825);
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
    for (const auto& [key, f] : oldFonts) {
        DeleteObject(f);
    }
}

Win32Window::~Win32Window() {
    m_surface.reset();
    if (m_window) {
        // Whatever DestroyWindow still sends goes past this object.
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        DestroyWindow(m_window);
    }
    for (const auto* fonts : {&m_fontsByKey, &m_referenceFonts}) {
        for (const auto& [key, f] : *fonts) {
            DeleteObject(f);
        }
    }
}

namespace {

// The font `f` at `dpi` from `cache`, made and kept there the first time.
template <typename Key>
HFONT CachedFont(std::map<Key, HFONT>& cache, const forms::Font& f, int dpi) {
    Key key{std::string(f.name), f.points, f.bold, f.charset};
    const auto it = cache.find(key);
    if (it != cache.end()) {
        return it->second;
    }
    HFONT created = CreateFontAt(f, dpi);
    cache.emplace(std::move(key), created);
    return created;
}

} // namespace

HFONT Win32Window::font(const forms::Font& f) {
    return CachedFont(m_fontsByKey, f, m_dpi);
}

HFONT Win32Window::font(const forms::Control& c) {
    return c.font ? font(*c.font) : m_defaultFont;
}

std::vector<std::wstring> Win32Window::labelLines(std::string_view label) const {
    HWND control = this->control(label);
    return LabelLines(control, m_labelLayouts.at(control));
}

HFONT Win32Window::referenceFont(const forms::Font& f) {
    return CachedFont(m_referenceFonts, f, forms::kReferenceDpi);
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

void Win32Window::focusFirstControl() {
    if (!m_tabOrder.empty()) {
        SetFocus(m_tabOrder.front());
    }
}

bool Win32Window::keyboardMessage(const MSG& message) {
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    if (message.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0) {
        if (m_tabOrder.empty()) {
            return true;
        }
        const auto count = static_cast<std::ptrdiff_t>(m_tabOrder.size());
        const auto at = std::find(m_tabOrder.begin(), m_tabOrder.end(), GetFocus());
        std::ptrdiff_t index = at == m_tabOrder.end() ? -1 : at - m_tabOrder.begin();
        const bool backwards = GetKeyState(VK_SHIFT) < 0;
        // The next control that can take the focus, round the window.
        for (std::ptrdiff_t step = 0; step < count; ++step) {
            if (backwards) {
                index = index <= 0 ? count - 1 : index - 1;
            } else {
                index = (index + 1) % count;
            }
            HWND next = m_tabOrder[static_cast<size_t>(index)];
            if (IsWindowVisible(next) && IsWindowEnabled(next)) {
                SetFocus(next);
                break;
            }
        }
        return true;
    }
    if (message.wParam == VK_RETURN) {
        HWND focus = GetFocus();
        const int id = GetDlgCtrlID(focus);
        if (focus && m_buttonIds.count(id) && control(m_buttonIds.at(id)) == focus) {
            SendMessageW(GetParent(focus), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                         reinterpret_cast<LPARAM>(focus));
            return true;
        }
    }
    return false;
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
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(m_window, focus)) {
                m_focus = focus;
            }
        } else if (!HIWORD(wParam)) {
            // Back to the control that had the focus, or the first one.
            if (m_focus && IsWindow(m_focus) && IsWindowVisible(m_focus)) {
                SetFocus(m_focus);
            } else {
                focusFirstControl();
            }
        }
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

// --- Win32Platform -------------------------------------------------------

LRESULT CALLBACK MessageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kReleaseClosing) {
        auto* platform = reinterpret_cast<Win32Platform*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (platform) {
            platform->releaseClosing();
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

Win32Platform::Win32Platform(std::string title, Graphics graphics)
    : m_title(std::move(title)), m_graphics(graphics) {
    RegisterClasses();
    m_messages = CreateWindowExW(0, kMessageClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 ProgramInstance(), nullptr);
    SetWindowLongPtrW(m_messages, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Platform::~Win32Platform() {
    SetWindowLongPtrW(m_messages, GWLP_USERDATA, 0);
    DestroyWindow(m_messages);
    releaseClosing();
    for (Win32Window* window : m_windows) {
        delete window;
    }
}

forms::NativeWindow* Win32Platform::createWindow(const forms::WindowTable& table,
                                                 forms::WindowEvents& events) {
    auto window = std::make_unique<Win32Window>(table, events, m_graphics);
    m_windows.push_back(window.get());
    return window.release();
}

void Win32Platform::destroyWindow(forms::NativeWindow* window) {
    auto* native = static_cast<Win32Window*>(window);
    // The window may be going from inside one of its own clicks, with the
    // button still handling its mouse message: it leaves the screen now and is
    // freed once the message loop has it back.
    native->detach();
    native->hide();
    m_windows.erase(std::remove(m_windows.begin(), m_windows.end(), native), m_windows.end());
    m_closing.emplace_back(native);
    PostMessageW(m_messages, kReleaseClosing, 0, 0);
}

void Win32Platform::releaseClosing() {
    std::vector<std::unique_ptr<Win32Window>> closing;
    closing.swap(m_closing);
}

bool Win32Platform::keyboardMessage(const MSG& message) {
    if (!message.hwnd) {
        return false;
    }
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    for (Win32Window* window : m_windows) {
        if (window->handle() == root) {
            return window->keyboardMessage(message);
        }
    }
    return false;
}

void Win32Platform::dispatch(MSG& message) {
    if (!keyboardMessage(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Win32Platform::yield() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The program is ending: the outer loop must see it too.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        dispatch(message);
    }
}

int Win32Platform::run() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        dispatch(message);
    }
    return static_cast<int>(message.wParam);
}

std::unique_ptr<forms::Picture> Win32Platform::readPicture(const std::string& path) {
    if (!m_graphics.readPicture) {
        calc::PictureNotReadable(path, "this program carries no picture reader");
    }
    return m_graphics.readPicture(path);
}

void Win32Platform::reportFailure(forms::NativeWindow* window, const std::string& message) {
    HWND owner = nullptr;
    if (window) {
        HWND handle = static_cast<Win32Window*>(window)->handle();
        if (IsWindowVisible(handle)) {
            owner = handle;
        }
    }
    MessageBoxW(owner, MessageText(message).c_str(), Wide(m_title).c_str(), MB_OK | MB_ICONERROR);
}

std::string Win32Platform::programDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return ".";
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t slash = path.find_last_of(L"\\/");
    path.resize(slash == std::wstring::npos ? 0 : slash);
    return Narrow(path);
}

void Win32Platform::startProgram(const std::string& path) {
    const std::wstring program = Wide(path);
    const DWORD attributes = GetFileAttributesW(program.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            throw forms::StartFailure(path, "the file does not exist");
        }
    } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        throw forms::StartFailure(path, "it is a directory");
    }
    // The command line is the program's path alone, quoted for the blanks a
    // path may hold; no arguments.
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        throw forms::StartFailure(path, calc::SystemText(GetLastError()));
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

void Win32Platform::endProgram() {
    PostQuitMessage(0);
}

} // namespace win32ui
