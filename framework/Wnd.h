#pragma once

#include "framework/CString.h"
#include "framework/MessageMap.h"

#include <map>
#include <memory>

class CDataExchange;
class CMenu;

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// A window of the system, reached through its handle. The members marked
// "backend" are the platform's; everything else is the same on every platform.
class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    explicit CWnd(HWND hWnd) : m_hWnd(hWnd) {}
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }

    // The child control with that id, or null. The object stays valid while this window lives.
    CWnd* GetDlgItem(int nID) const;

    // Copies members into the controls (FALSE) or the controls into the members (TRUE).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    BOOL ShowWindow(int nCmdShow);                                           // backend
    BOOL IsWindowVisible() const;                                            // backend
    CMenu* GetSystemMenu(BOOL bRevert) const;                                // backend
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);                               // backend
    BOOL IsIconic() const;                                                   // backend
    void GetClientRect(CRect* rect) const;                                   // backend
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0); // backend
    void SetWindowText(const char* text);                                    // backend
    void GetWindowText(CString& text) const;                                 // backend
    int GetCheck() const;                                                    // backend, for buttons
    void SetCheck(int nCheck);                                               // backend, for buttons
    // A box owned by this window with the caption and type given.
    int MessageBox(const char* text, const char* caption = nullptr, UINT nType = MB_OK); // backend

    HWND m_hWnd = nullptr;

protected:
    virtual void DoDataExchange(CDataExchange*) {}

    // Hands the message being handled to the system's default processing once the handler returns.
    void Default() { m_bDefault = true; }
    void OnSysCommand(UINT, LPARAM) { Default(); }
    void OnPaint() { Default(); }

    // Set by Default() while a handler runs; the backend reads and clears it.
    bool m_bDefault = false;

private:
    HWND GetDlgItemHandle(int nID) const; // backend

    mutable std::map<int, std::unique_ptr<CWnd>> m_children;
    mutable std::unique_ptr<CMenu> m_pSystemMenu; // backend: GetSystemMenu's object
};

class CMenu {
public:
    explicit CMenu(HMENU hMenu) : m_hMenu(hMenu) {}

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, const char* text = nullptr); // backend

    HMENU m_hMenu; // not owned: the window's system menu
};

// Painting of one WM_PAINT: begun on construction, ended on destruction.
class CPaintDC {
public:
    explicit CPaintDC(CWnd* pWnd); // backend
    ~CPaintDC();                   // backend
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    BOOL DrawIcon(int x, int y, HICON hIcon); // backend
    HDC GetSafeHdc() const { return m_hDC; }

private:
    CWnd* m_pWnd; // not owned
    HDC m_hDC = nullptr;
    struct PaintState;
    std::unique_ptr<PaintState> m_state;
};

int AfxGetSystemMetrics(int nIndex); // backend, GetSystemMetrics
