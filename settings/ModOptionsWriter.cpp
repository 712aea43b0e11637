#include "settings/OptionsFiles.h"

#include "framework/ReplaceFile.h"
#include "launcher/Velkan LauncherDlg.h"
#include "settings/TextFile.h"

std::string ModOptionsText(const CSettingsTable& table) {
    CTextFile file;
    file.Line(0, "<VKOptionsFile>");
    file.Element(1, "FirstRun", table.m_strFirstRun);
    // The check boxes' states, as the game options writer has just put them into the game's
    // settings.
    file.Element(1, "DoIntro", table.m_strShowIntro);
    file.Element(1, "WindowMode", table.m_strWindowMode);
    file.Element(1, "ShowFPSRate", table.m_strShowFrameRate);
    file.Line(0, "</VKOptionsFile>");
    return file.Bytes();
}

void CLauncherDlg::WriteModOptions() {
    UpdateData(TRUE);

    // The first launch ends the first run: from the next start on the check boxes show.
    if (m_strFirstRun == "TRUE") {
        m_strFirstRun = "FALSE";
    }
    AfxReplaceFile(m_strModPath + "vk_options.xml", ModOptionsText(*this));
}
