#include "win32platform.h"

#include "core/bitmapheader.h"
#include "process.h"
#include "text.h"
#include "windowclasses.h"

#include <algorithm>

namespace win32ui {

namespace {

// Sent to the message-only window: free the windows that were closed.
constexpr UINT kReleaseClosing = WM_APP + 1;

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
    return ProgramDirectory();
}

void Win32Platform::startProgram(const std::string& path) {
    StartProgram(path);
}

void Win32Platform::endProgram() {
    PostQuitMessage(0);
}

} // namespace win32ui
