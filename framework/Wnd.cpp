#include "framework/Dialog.h"

CWnd* CWnd::GetDlgItem(int nID) const {
    HWND hChild = GetDlgItemHandle(nID);
    if (hChild == nullptr) {
        return nullptr;
    }
    std::unique_ptr<CWnd>& child = m_children[nID];
    if (!child || child->m_hWnd != hChild) {
        child = std::make_unique<CWnd>(hChild);
    }
    return child.get();
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}
