#pragma once

#include "framework/CString.h"
#include "framework/MessageMap.h"

class CWnd;

// The program. Exactly one object of a class derived from it exists; the backend's
// entry point calls its InitInstance and ends the program when that returns FALSE.
class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance() { return FALSE; }

    HICON LoadIcon(UINT nIDResource) const; // backend
    // The framework's help command. The launcher ships no help file, so it shows nothing.
    void OnHelp() {}

    // Draws the dialog controls three-dimensionally; the system does so itself.
    void Enable3dControlsStatic() {}

    // The name shown as the caption of AfxMessageBox: the executable's name without
    // its extension unless the program gave one.
    CString m_strAppName;
    CWnd* m_pMainWnd = nullptr; // not owned
};

CWinApp* AfxGetApp();

// A box with the exclamation icon (unless the type names another) and the application's name
// as caption, owned by the active window of the program.
int AfxMessageBox(const char* text, UINT nType = MB_OK, UINT nIDHelp = 0); // backend

// Prepares hosting of controls in dialogs; the launcher's dialogs hold none.
void AfxEnableControlContainer(); // backend
// Initialises COM with the framework's OLE support; the result is TRUE on success.
BOOL AfxOleInit(); // backend
// CoInitialize on the calling thread, in a single-threaded apartment.
HRESULT AfxCoInitialize(); // backend
// The executable's file name without folder and extension.
CString AfxGetModuleBaseName(); // backend
