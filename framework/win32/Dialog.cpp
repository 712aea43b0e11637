#include "framework/win32/Win32.h"

#include "framework/Dialog.h"
#include "framework/WinApp.h"
#include "framework/win32/CenterWindow.h"
#include "framework/win32/ExceptionReport.h"

namespace {

// The messages whose result a dialog procedure returns itself; every other result goes
// into DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
    switch (message) {
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_QUERYDRAGICON:
    case WM_VKEYTOITEM:
        return true;
    default:
        return false;
    }
}

CDialog* DialogOf(HWND hDlg) {
    return reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hDlg, DWLP_USER));
}

INT_PTR Dispatch(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrA(hDlg, DWLP_USER, lParam);
        dialog->m_hWnd = hDlg;
        AfxCenterWindow(hDlg);
        return dialog->OnInitDialog();
    }

    // The few messages that come before WM_INITDIALOG (WM_SETFONT) find no dialog yet.
    CDialog* dialog = DialogOf(hDlg);
    if (dialog == nullptr) {
        return FALSE;
    }
    LRESULT result = 0;
    if (!dialog->HandleMessage(message, wParam, lParam, &result)) {
        return FALSE;
    }
    if (ReturnsResultDirectly(message)) {
        return result;
    }
    ::SetWindowLongPtrA(hDlg, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK DialogProcedure(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
    // After a failure the system gives the focus itself, and other messages get its
    // default processing.
    INT_PTR answer = message == WM_INITDIALOG ? TRUE : FALSE;
    try {
        answer = Dispatch(hDlg, message, wParam, lParam);
    } catch (...) {
        AfxReportCurrentException();
    }
    if (message == WM_NCDESTROY) {
        if (CDialog* dialog = DialogOf(hDlg)) {
            dialog->m_hWnd = nullptr;
        }
        ::SetWindowLongPtrA(hDlg, DWLP_USER, 0);
    }
    return answer;
}

} // namespace

INT_PTR CDialog::DoModal() {
    // A dialog without a parent belongs to the program's main window while that has one,
    // which keeps the main window disabled as long as the dialog runs.
    HWND owner = nullptr; // not owned
    if (m_pParentWnd != nullptr) {
        owner = m_pParentWnd->GetSafeHwnd();
    } else if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd != nullptr) {
        owner = app->m_pMainWnd->GetSafeHwnd();
    }
    return ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate), owner,
                             DialogProcedure, reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(int nResult) {
    ::EndDialog(m_hWnd, nResult);
}
