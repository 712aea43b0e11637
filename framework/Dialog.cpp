#include "framework/Dialog.h"

#include "framework/WinApp.h"

#include <utility>

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    CWnd* control = pDX->m_pDlgWnd->GetDlgItem(nIDC);
    if (control == nullptr) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = control->GetCheck();
        return;
    }
    if (value < 0 || value > 2) {
        value = 0;
    }
    control->SetCheck(value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    CWnd* control = pDX->m_pDlgWnd->GetDlgItem(nIDC);
    if (control == nullptr) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        control->GetWindowText(value);
    } else {
        control->SetWindowText(value);
    }
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

bool CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    *result = 0;
    m_bDefault = false;
    if (OnWndMsg(message, wParam, lParam, result)) {
        return !std::exchange(m_bDefault, false);
    }
    if (message != WM_COMMAND) {
        return false;
    }
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->OnWndMsg(message, wParam, lParam, result)) {
        return true;
    }
    const UINT id = static_cast<UINT>(wParam & 0xFFFF);
    const UINT code = static_cast<UINT>((wParam >> 16) & 0xFFFF);
    if (code != BN_CLICKED) {
        return false;
    }
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}
