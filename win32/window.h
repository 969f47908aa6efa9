#pragma once

#include "bitmap.h"
#include "caption.h"
#include "fonts.h"
#include "forms/controltable.h"
#include "forms/platform.h"
#include "graphics.h"

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace win32ui {

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A window built from its table with plain Windows controls: buttons, edit
// boxes, statics, lines as black one-pixel statics and picture boxes of a
// window class of our own. Every control is a child window named as the
// table names it; its font is the table's or the window's default font.
// Clicks and closing from the title bar go to the runtime.
class Win32Window final : public forms::NativeWindow {
public:
    Win32Window(const forms::WindowTable& table, forms::WindowEvents& events,
                const Graphics& graphics);
    ~Win32Window();
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    void show() override;
    void hide() override;
    std::string text(std::string_view control) const override;
    void setText(std::string_view control, std::string_view text) override;
    void setPicture(std::string_view control, std::unique_ptr<forms::Picture> picture) override;
    calc::DrawingSurface& surface() override;

    HWND handle() const { return m_window; }
    // The resolution the window lays itself out at.
    int dpi() const { return m_dpi; }
    // The lines the label `label` draws, at every resolution.
    std::vector<std::wstring> labelLines(std::string_view label) const;
    // The child window of a control; throws std::logic_error for a name the
    // table does not have.
    HWND control(std::string_view name) const;
    // No more events go to the runtime: the window is on its way out.
    void detach() { m_events = nullptr; }

    // The keyboard of the window: Tab and Shift+Tab move the focus in the
    // table's keyboard order, Enter presses the focused button. True when
    // `message` was handled here and must not be dispatched.
    bool keyboardMessage(const MSG& message);

private:
    friend LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Makes the table's controls as children of the window.
    void createControls(const forms::WindowTable& table);
    // A control's font: the table's or the window's default.
    HFONT font(const forms::Control& control);
    // WM_ACTIVATE: the focus is kept when the window is left and given back
    // when it is active again.
    void activated(WPARAM wParam);
    // Places, fonts and size at `dpi`; the window's top-left corner where
    // `suggested` has it, or where it is.
    void setDpi(int dpi, const RECT* suggested);

    HWND m_window = nullptr;
    std::string m_name;
    forms::WindowEvents* m_events;
    int m_dpi;
    int m_widthTwips = 0;
    int m_heightTwips = 0;
    int m_clientWidth = 0; // pixels
    int m_clientHeight = 0;
    // The fonts at the window's resolution, and at 96 dpi for laying out.
    std::unique_ptr<FontCache> m_fonts;
    FontCache m_referenceFonts;
    // Every control with its table row (whose texts are the tables' own).
    std::vector<std::pair<HWND, forms::Control>> m_placed;
    std::map<HWND, LabelLayout> m_labelLayouts;
    HFONT m_defaultFont = nullptr;
    std::map<std::string, HWND, std::less<>> m_controls;
    std::map<int, std::string> m_buttonIds; // button control id -> name
    std::vector<HWND> m_tabOrder;
    HWND m_focus = nullptr; // the control that had the focus when the window was deactivated
    std::map<HWND, std::unique_ptr<Win32Picture>> m_pictures;
    const Graphics& m_graphics;
    std::unique_ptr<WindowSurface> m_surface;
};

} // namespace win32ui
