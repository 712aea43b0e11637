#include "framework/win32/Win32.h"

#include "framework/Wnd.h"

#include <vector>

HWND CWnd::GetDlgItemHandle(int nID) const {
    return ::GetDlgItem(m_hWnd, nID);
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    return ::ShowWindow(m_hWnd, nCmdShow);
}

BOOL CWnd::IsWindowVisible() const {
    return ::IsWindowVisible(m_hWnd);
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const {
    const HMENU hMenu = ::GetSystemMenu(m_hWnd, bRevert);
    if (hMenu == nullptr) {
        return nullptr;
    }
    if (!m_pSystemMenu) {
        m_pSystemMenu = std::make_unique<CMenu>(hMenu);
    }
    m_pSystemMenu->m_hMenu = hMenu;
    return m_pSystemMenu.get();
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
    return reinterpret_cast<HICON>(::SendMessageA(
        m_hWnd, WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

BOOL CWnd::IsIconic() const {
    return ::IsIconic(m_hWnd);
}

void CWnd::GetClientRect(CRect* rect) const {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    *rect = CRect{client.left, client.top, client.right, client.bottom};
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

void CWnd::SetWindowText(const char* text) {
    ::SetWindowTextA(m_hWnd, text);
}

void CWnd::GetWindowText(CString& text) const {
    std::vector<char> buffer(static_cast<std::size_t>(::GetWindowTextLengthA(m_hWnd)) + 1);
    const int length = ::GetWindowTextA(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
    text = CString(buffer.data(), length);
}

int CWnd::GetCheck() const {
    return static_cast<int>(::SendMessageA(m_hWnd, BM_GETCHECK, 0, 0));
}

void CWnd::SetCheck(int nCheck) {
    ::SendMessageA(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(nCheck), 0);
}

int CWnd::MessageBox(const char* text, const char* caption, UINT nType) {
    // The system captions a box without a caption "Error".
    return ::MessageBoxA(m_hWnd, text, caption, nType);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const char* text) {
    return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, text);
}

int AfxGetSystemMetrics(int nIndex) {
    return ::GetSystemMetrics(nIndex);
}
