#include "framework/headless/Headless.h"
#include "launcher/Velkan LauncherDlg.h"
#include "settings/OptionsFiles.h"
#include "tests/support/SettingsDump.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>
#include <random>

namespace {

// Texts as players type them: markup characters, inner blanks and line feeds, and
// characters of the ANSI code page beyond ASCII. Ends carry no blanks, since reading
// trims them.
std::string RandomText(std::mt19937& random) {
    static const std::string pieces[] = {"&",  "<",   ">",  "a b", "TRUE", "\xE9", "\x80!", "\xFF",
                                         "\n", "1.5", "\"", "'",   "x",    "]]>",  "&amp;"};
    std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1);
    std::string text = "v";
    for (int i = std::uniform_int_distribution<int>(0, 5)(random); i > 0; --i) {
        text += pieces[piece(random)];
    }
    return text + "z";
}

// A table as a loaded game options file leaves it: every text member may hold anything,
// the fixed members hold their fixed texts and the stored members well-formed markup.
// Chat messages fill the first slots, as reading fills them: an empty slot is written as an
// empty line, so a message after a gap would come back earlier.
CSettingsTable RandomGameTable(std::mt19937& random) {
    CSettingsTable table;
    for (CString* member :
         {&table.m_strMouseRadiansPerPixel, &table.m_strBloodOn, &table.m_strShowIntro,
          &table.m_strDisplayDeviceGuid, &table.m_strFullScreen, &table.m_strShowFrameRate,
          &table.m_strMOTD, &table.m_strMPGameName, &table.m_strRemoteServerPasswd,
          &table.m_strPlayerName, &table.m_strChatIndicatorSound}) {
        *member = CString(RandomText(random));
    }
    for (CString& address : table.m_strIPAddress) {
        address = CString(RandomText(random));
    }
    table.m_strThreatIndicatorEnabled = "FALSE";
    table.m_strXBoxMode = "FALSE";
    table.m_strDefaultMipMapping = "FALSE";
    table.m_strMipMapLODBias = "-0.500000";
    table.m_strVideoResolution = "<VideoResolution Width=\"1024\" Height=\"768\"/>";
    table.m_strChatMsg[0] = "<ChatMsg Key=\"F1\">Cover me &amp; go</ChatMsg>";
    table.m_strChatMsg[1] = "<ChatMsg>Caf\xE9</ChatMsg>";
    return table;
}

std::map<std::string, std::string> ReadBack(const std::filesystem::path& path) {
    CLauncherDlg dlg;
    EXPECT_EQ(dlg.m_pXMLDoc.CreateInstance(), 0);
    EXPECT_TRUE(dlg.LoadOptionsDocument(CString(path.string())));
    return NonEmptySettings(dlg);
}

TEST(RoundTrip, WhatTheLauncherWritesItReadsBackTheSame) {
    headless::Reset();
    TempFolder folder;
    std::mt19937 random(20261211);
    for (int run = 0; run < 200; ++run) {
        SCOPED_TRACE(run);
        const CSettingsTable game = RandomGameTable(random);
        WriteBytes(folder.Path() / "options.xml", GameOptionsText(game));
        EXPECT_EQ(ReadBack(folder.Path() / "options.xml"), NonEmptySettings(game));

        CSettingsTable mod;
        mod.m_strFirstRun = CString(RandomText(random));
        mod.m_strShowIntro = "TRUE";
        mod.m_strWindowMode = "FALSE";
        mod.m_strShowFrameRate = "TRUE";
        WriteBytes(folder.Path() / "vk_options.xml", ModOptionsText(mod));
        const std::map<std::string, std::string> expected = {
            {"FirstRun", mod.m_strFirstRun.Bytes()},
            {"DoIntro", "TRUE"},
            {"WindowMode", "FALSE"},
            {"ShowFPSRate", "TRUE"}};
        EXPECT_EQ(ReadBack(folder.Path() / "vk_options.xml"), expected);
    }
    EXPECT_TRUE(headless::MessageBoxes().empty());
}

} // namespace
