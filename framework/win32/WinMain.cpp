#include "framework/win32/Win32.h"

#include "framework/WinApp.h"
#include "framework/win32/ExceptionReport.h"

// The program's work happens inside InitInstance, in modal dialogs with loops of their own;
// the framework has no message loop, so the program ends when InitInstance returns.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (CWinApp* app = AfxGetApp()) {
        try {
            app->InitInstance();
        } catch (...) {
            AfxReportCurrentException();
        }
    }
    return 0;
}
