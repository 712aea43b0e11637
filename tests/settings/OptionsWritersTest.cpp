#include "settings/OptionsFiles.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(bytes.substr(start, end - start));
    }
    EXPECT_EQ(start, bytes.size()) << "the last line ends with CR LF";
    return lines;
}

TEST(GameOptionsText, AnEmptyTableGivesEmptyElementsAndBareStoredLines) {
    const CSettingsTable table;
    const auto lines = Lines(GameOptionsText(table));
    ASSERT_EQ(lines.size(), 104u);
    EXPECT_EQ(lines[0], "<OptionsFile>");
    EXPECT_EQ(lines[1], "\t<MouseRadiansPerPixel></MouseRadiansPerPixel>");
    EXPECT_EQ(lines[9], "\t<Gameplay>");
    EXPECT_EQ(lines[30], "\t\t");
    EXPECT_EQ(lines[68], "\t\t");
    EXPECT_EQ(lines[77], "\t\t");
    EXPECT_EQ(lines[79], "\t\t<MOTD></MOTD>");
    EXPECT_EQ(lines[100], "\t\t<IPAddress></IPAddress>");
    EXPECT_EQ(lines[101], "\t</Multiplayer>");
    EXPECT_EQ(lines[102], "\t<PlayerName></PlayerName>");
    EXPECT_EQ(lines[103], "</OptionsFile>");
}

TEST(GameOptionsText, ValuesAreWrittenAsHeldButKeepTheFileWellFormed) {
    CSettingsTable table;
    table.m_strBloodOn = "TRUE";
    table.m_strMOTD = "Fish & chips <3 >_<";
    table.m_strMPGameName = "two\nlines";
    table.m_strPlayerName = "  Caf\xE9 ";
    table.m_strVideoResolution = "<VideoResolution Width=\"800\">a &amp; b</VideoResolution>";
    table.m_strChatMsg[3] = "<ChatMsg>x</ChatMsg>";
    table.m_strIPAddress[11] = "10.0.0.1";
    const std::string bytes = GameOptionsText(table);
    EXPECT_EQ(bytes.substr(0, 15), "<OptionsFile>\r\n");
    EXPECT_NE(bytes.find("\t\t<BloodOn>TRUE</BloodOn>\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\t\t<MOTD>Fish &amp; chips &lt;3 &gt;_&lt;</MOTD>\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("\t\t<MPGameName>two\r\nlines</MPGameName>\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\t<PlayerName>  Caf\xE9 </PlayerName>\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\t\t<VideoResolution Width=\"800\">a &amp; b</VideoResolution>\r\n"),
              std::string::npos);
    const auto lines = Lines(bytes);
    ASSERT_EQ(lines.size(), 105u); // the value's own line feed adds one
    EXPECT_EQ(lines[71], "\t\t<ChatMsg>x</ChatMsg>");
    EXPECT_EQ(lines[101], "\t\t<IPAddress>10.0.0.1</IPAddress>");
}

TEST(ModOptionsText, TheWorkedExample) {
    CSettingsTable table;
    table.m_strFirstRun = "FALSE";
    table.m_strShowIntro = "TRUE";
    table.m_strWindowMode = "FALSE";
    table.m_strShowFrameRate = "TRUE";
    table.m_strDoIntro = "not written";
    table.m_strShowFPSRate = "not written";
    const std::string expected = "<VKOptionsFile>\r\n"
                                 "\t<FirstRun>FALSE</FirstRun>\r\n"
                                 "\t<DoIntro>TRUE</DoIntro>\r\n"
                                 "\t<WindowMode>FALSE</WindowMode>\r\n"
                                 "\t<ShowFPSRate>TRUE</ShowFPSRate>\r\n"
                                 "</VKOptionsFile>\r\n";
    EXPECT_EQ(ModOptionsText(table), expected);
    EXPECT_EQ(expected.size(), 157u);
}

TEST(ModOptionsText, AnEmptyOrOddFirstRunIsWrittenEscapedAsHeld) {
    CSettingsTable table;
    table.m_strFirstRun = "a<b&c";
    EXPECT_EQ(ModOptionsText(table), "<VKOptionsFile>\r\n"
                                     "\t<FirstRun>a&lt;b&amp;c</FirstRun>\r\n"
                                     "\t<DoIntro></DoIntro>\r\n"
                                     "\t<WindowMode></WindowMode>\r\n"
                                     "\t<ShowFPSRate></ShowFPSRate>\r\n"
                                     "</VKOptionsFile>\r\n");
}

} // namespace
