#pragma once

#include "bitmap.h"
#include "caption.h"
#include "forms/controltable.h"
#include "forms/platform.h"
#include "graphics.h"

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace win32ui {

// The display's horizontal resolution in dots per inch.
int ScreenDpi();

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
    // The font at the window's resolution (a control's: the table's or the
    // window's default), and at 96 dpi (for laying out).
    HFONT font(const forms::Font& font);
    HFONT font(const forms::Control& control);
    HFONT referenceFont(const forms::Font& font);
    void focusFirstControl();
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
    // The fonts made so far, at the window's resolution and at 96 dpi, by
    // face, points, boldness and character set.
    using FontKey = std::tuple<std::string, double, bool, int>;
    std::map<FontKey, HFONT> m_fontsByKey;
    std::map<FontKey, HFONT> m_referenceFonts;
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

// The Windows front end of the windows: failures shown in message boxes
// titled `title`, the installation's files looked for beside the program,
// pictures read and drawings made with `graphics`.
class Win32Platform : public forms::Platform {
public:
    explicit Win32Platform(std::string title, Graphics graphics = {});
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    forms::NativeWindow* createWindow(const forms::WindowTable& table,
                                      forms::WindowEvents& events) override;
    void destroyWindow(forms::NativeWindow* window) override;
    void yield() override;
    std::unique_ptr<forms::Picture> readPicture(const std::string& path) override;
    void reportFailure(forms::NativeWindow* window, const std::string& message) override;
    std::string programDirectory() override;
    void startProgram(const std::string& path) override;
    void endProgram() override;

    // Gives a message from the queue to the keyboard handling of the window it
    // is for; true when it was handled there.
    bool keyboardMessage(const MSG& message);
    // Takes messages from the queue and dispatches them until the program
    // ends; returns the exit code.
    int run();

private:
    friend LRESULT CALLBACK MessageProcedure(HWND, UINT, WPARAM, LPARAM);
    void dispatch(MSG& message);
    void releaseClosing();

    std::string m_title;
    Graphics m_graphics;
    HWND m_messages = nullptr; // a message-only window: windows are freed from here
    std::vector<Win32Window*> m_windows;
    std::vector<std::unique_ptr<Win32Window>> m_closing;
};

} // namespace win32ui
