#include "framework/Wnd.h"

#include "framework/headless/DialogBuilder.h"

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const {
    if (m_hWnd == nullptr || !m_hWnd->systemMenu) {
        return nullptr;
    }
    if (bRevert) {
        m_hWnd->systemMenu->items = headless::detail::DefaultSystemMenu();
        return nullptr;
    }
    if (!m_hWnd->systemMenuObject) {
        m_hWnd->systemMenuObject = std::make_unique<CMenu>(m_hWnd->systemMenu.get());
    }
    return m_hWnd->systemMenuObject.get();
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const char* text) {
    if (m_hMenu == nullptr) {
        return FALSE;
    }
    m_hMenu->items.push_back({nFlags, nIDNewItem, text != nullptr ? text : ""});
    return TRUE;
}
