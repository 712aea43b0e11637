#include "modfiles/ModFiles.h"

#include "framework/ReplaceFile.h"
#include "launcher/Velkan LauncherDlg.h"
#include "settings/TextFile.h"

std::string ModsSettingsText(BOOL bHasMP1, BOOL bHasMP2) {
    CTextFile file;
    file.Line(0, "// MODS SETTINGS - LIST OF MODS ACTIVE ON THIS SYSTEM");
    if (bHasMP1) {
        file.Line(0, "\"\\mods\\mp1\"");
    }
    if (bHasMP2) {
        file.Line(0, "\"\\mods\\mp2\"");
    }
    file.Line(0, "\"\\mods\\velkan\"");
    return file.Bytes();
}

void CLauncherDlg::WriteModsSettings() {
    AfxReplaceFile(m_strGamePath + "modsset.txt", ModsSettingsText(m_bHasMP1, m_bHasMP2));
}
