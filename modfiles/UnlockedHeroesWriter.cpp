#include "modfiles/ModFiles.h"

#include "framework/ReplaceFile.h"
#include "launcher/Velkan LauncherDlg.h"
#include "settings/TextFile.h"

namespace {

// The hero files of the game, spelled as the mod expects them.
constexpr const char* kHeroes[] = {
    "buzz_gordon.atr",   "dieter_munz.atr",    "guram_osadze.atr", "henry_ramirez.atr",
    "scott_ibrahim.atr", "nigel_tunney.atr",   "jack_stone.atr",   "klaus_henkel.atr",
    "lindy_cohen.atr",   "astra_galinksy.atr", "susan_grey.atr",   "will_jacobs.atr",
};

} // namespace

std::string UnlockedHeroesText() {
    CTextFile file;
    file.Line(0, "<UnlockedHeroes>");
    for (const char* hero : kHeroes) {
        file.Element(1, "Hero", hero);
    }
    file.Line(0, "</UnlockedHeroes>");
    return file.Bytes();
}

void CLauncherDlg::WriteUnlockedHeroes() {
    AfxReplaceFile(m_strGamePath + "vk_unlockedheroes.xml", UnlockedHeroesText());
}
