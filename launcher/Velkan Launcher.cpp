#include "launcher/Velkan Launcher.h"

#include "launcher/Velkan LauncherDlg.h"

BEGIN_MESSAGE_MAP(CLauncherApp, CWinApp)
ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

CLauncherApp theApp;

BOOL CLauncherApp::InitInstance() {
    Enable3dControlsStatic();
    AfxEnableControlContainer();

    CLauncherDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();

    AfxOleInit();
    // The dialog goes with this scope; nothing may reach it through the application after.
    m_pMainWnd = nullptr;
    // FALSE ends the program instead of entering a message loop of its own.
    return FALSE;
}
