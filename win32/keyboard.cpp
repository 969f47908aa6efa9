#include "window.h"

#include <algorithm>

namespace win32ui {

namespace {

bool canTakeFocus(HWND control) {
    return IsWindowVisible(control) && IsWindowEnabled(control);
}

} // namespace

bool Win32Window::keyboardMessage(const MSG& message) {
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    if (message.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0) {
        const auto at = std::find(m_tabOrder.begin(), m_tabOrder.end(), GetFocus());
        const int next =
            forms::TabStep(static_cast<int>(m_tabOrder.size()),
                           at == m_tabOrder.end() ? -1 : static_cast<int>(at - m_tabOrder.begin()),
                           GetKeyState(VK_SHIFT) < 0, [this](int index) {
                               return canTakeFocus(m_tabOrder[static_cast<size_t>(index)]);
                           });
        if (next >= 0) {
            SetFocus(m_tabOrder[static_cast<size_t>(next)]);
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

void Win32Window::activated(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(m_window, focus)) {
            m_focus = focus;
        }
    } else if (!HIWORD(wParam)) {
        const auto remembered = std::find(m_tabOrder.begin(), m_tabOrder.end(), m_focus);
        const int next = forms::FocusOnReturn(
            static_cast<int>(m_tabOrder.size()),
            remembered == m_tabOrder.end() ? -1 : static_cast<int>(remembered - m_tabOrder.begin()),
            [this](int index) { return canTakeFocus(m_tabOrder[static_cast<size_t>(index)]); });
        if (next >= 0) {
            SetFocus(m_tabOrder[static_cast<size_t>(next)]);
        }
    }
}

} // namespace win32ui
