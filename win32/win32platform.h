#pragma once

#include "forms/platform.h"
#include "graphics.h"
#include "window.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace win32ui {

LRESULT CALLBACK MessageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

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
