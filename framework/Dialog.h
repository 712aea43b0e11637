#pragma once

#include "framework/Wnd.h"

// One run of a dialog's data exchange, in one direction.
class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_pDlgWnd(pDlgWnd), m_bSaveAndValidate(bSaveAndValidate) {}

    CWnd* m_pDlgWnd; // not owned
    BOOL m_bSaveAndValidate;
};

// Binds a check box to a check state: 0 unchecked, 1 checked, 2 indeterminate.
// Loading resets a state outside that range to 0 first.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Binds an edit box to its whole text.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);

// A modal dialog on a template of the program's resources.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr)
        : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

    // Creates the window, runs it until EndDialog and gives EndDialog's result.
    INT_PTR DoModal();           // backend
    void EndDialog(int nResult); // backend

    // Called once the window and its controls exist: loads the controls from the members.
    virtual BOOL OnInitDialog();
    // The default OK: saves the controls into the members and ends with IDOK.
    virtual void OnOK();
    // The default cancel (Esc, the close box, Close, Alt+F4): ends with IDCANCEL.
    virtual void OnCancel();

    // Handles a message sent to the dialog's window: its message map first, then the
    // application's for commands, then the default OK and cancel commands. False when the
    // system's default dialog processing should handle it (nothing did, or a handler
    // called Default()). Backends call it for every message but WM_INITDIALOG.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

protected:
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd; // not owned
};
