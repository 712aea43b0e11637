#include "launcher/Velkan LauncherDlg.h"

#include "framework/FileFind.h"
#include "framework/Process.h"

namespace {

// The program part of a command line in quotes, so that a folder with blanks names one
// program and no program on a prefix of the path can start instead.
CString Quoted(const CString& program) {
    return CString("\"") + program + "\"";
}

} // namespace

void CLauncherDlg::OnStart() {
    m_bQuickJoin = FALSE;
    m_bQuickServer = FALSE;
    OnOK();
}

void CLauncherDlg::OnQuickJoin() {
    m_bQuickJoin = TRUE;
    m_bQuickServer = FALSE;
    OnOK();
}

void CLauncherDlg::OnQuickServer() {
    m_bQuickServer = TRUE;
    m_bQuickJoin = FALSE;
    OnOK();
}

void CLauncherDlg::DetectExpansions() {
    CFileFind finder;
    m_bHasMP1 = finder.FindFile(m_strModsPath + "MP1") ? TRUE : FALSE;
    m_bHasMP2 = finder.FindFile(m_strModsPath + "MP2") ? TRUE : FALSE;
}

void CLauncherDlg::OnOK() {
    DetectExpansions();
    if (!m_bHasMP1 || !m_bHasMP2) {
        MessageBox(
            "Velkan requires both Desert Siege and Island Thunder expansions for Ghost Recon\n"
            "to be installed prior to playing it.  Please install and try again.",
            "Velkan", MB_OK | MB_ICONSTOP);
        return;
    }

    // The game options writer takes the controls' states first; the mod options writer
    // writes what it has just set, so the order matters.
    WriteUnlockedHeroes();
    WriteGameOptions();
    WriteModOptions();
    WriteModsSettings();

    // Both programs start in the game folder, whatever folder the launcher was started from.
    AfxStartProcess(Quoted(m_strModPath + "mp32wav.bat"), SW_HIDE, m_strGamePath);

    const CString game = Quoted(m_strGamePath + "ghostrecon.exe");
    if (!m_bQuickServer && !m_bQuickJoin) {
        AfxStartProcess(game, SW_SHOW, m_strGamePath);
    } else if (m_bQuickServer) {
        AfxStartProcess(game + " -server", SW_SHOW, m_strGamePath);
    } else if (m_strJoinAddress.IsEmpty()) {
        MessageBox("Enter an IP Address", "Velkan Launcher", MB_OK);
    } else {
        AfxStartProcess(game + " -client " + m_strJoinAddress, SW_SHOW, m_strGamePath);
    }

    AfxSleep(3000);
    CDialog::OnOK();
}
