#include "framework/Wnd.h"

#include "framework/headless/Window.h"

using namespace headless::detail;

HWND CWnd::GetDlgItemHandle(int nID) const {
    return m_hWnd != nullptr ? FindControl(m_hWnd, nID) : nullptr;
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    const bool wasVisible = (m_hWnd->style & kWsVisible) != 0;
    if (nCmdShow == SW_HIDE) {
        m_hWnd->style &= ~kWsVisible;
    } else {
        m_hWnd->style |= kWsVisible;
    }
    return wasVisible ? TRUE : FALSE;
}

BOOL CWnd::IsWindowVisible() const {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    for (HWND window = m_hWnd; window != nullptr; window = window->parent) {
        if ((window->style & kWsVisible) == 0) {
            return FALSE;
        }
    }
    return TRUE;
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
    if (m_hWnd == nullptr) {
        return nullptr;
    }
    HICON& slot = bBigIcon ? m_hWnd->bigIcon : m_hWnd->smallIcon;
    const HICON previous = slot;
    slot = hIcon;
    return previous;
}

BOOL CWnd::IsIconic() const {
    return m_hWnd != nullptr && m_hWnd->iconic ? TRUE : FALSE;
}

void CWnd::GetClientRect(CRect* rect) const {
    *rect = CRect{};
    if (m_hWnd != nullptr) {
        rect->right = m_hWnd->clientWidth;
        rect->bottom = m_hWnd->clientHeight;
    }
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_hWnd == nullptr || m_hWnd->dialog == nullptr) {
        return 0;
    }
    return SendToDialog(m_hWnd, message, wParam, lParam);
}

void CWnd::SetWindowText(const char* text) {
    if (m_hWnd != nullptr) {
        m_hWnd->text = text != nullptr ? text : "";
    }
}

void CWnd::GetWindowText(CString& text) const {
    text = m_hWnd != nullptr ? CString(m_hWnd->text) : CString();
}

int CWnd::GetCheck() const {
    return m_hWnd != nullptr && IsCheckable(m_hWnd) ? m_hWnd->check : BST_UNCHECKED;
}

void CWnd::SetCheck(int nCheck) {
    // Push buttons have no check state; 0, 1 and 2 are the states there are.
    if (m_hWnd != nullptr && IsCheckable(m_hWnd) && nCheck >= 0 && nCheck <= 2) {
        m_hWnd->check = nCheck;
    }
}
