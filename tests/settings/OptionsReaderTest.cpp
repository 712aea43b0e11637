#include "framework/headless/Headless.h"
#include "launcher/Velkan LauncherDlg.h"
#include "tests/support/SettingsDump.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using Settings = std::map<std::string, std::string>;

class OptionsReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless::Reset();
        ASSERT_EQ(dlg.m_pXMLDoc.CreateInstance(), 0);
    }

    // Loads a document from a file holding these bytes.
    BOOL Load(const std::string& bytes, const char* name = "options.xml") {
        const auto path = folder.Path() / name;
        WriteBytes(path, bytes);
        return dlg.LoadOptionsDocument(CString(path.string()));
    }

    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const auto& box : headless::MessageBoxes()) {
            texts.push_back(box.text);
        }
        return texts;
    }

    TempFolder folder;
    CLauncherDlg dlg;
};

struct ReadCase {
    const char* name;
    std::string document;
    Settings expected;
};

std::string Repeat(const std::string& element, int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += "<" + element + ">" + std::to_string(i) + "</" + element + ">";
    }
    return text;
}

const ReadCase kReadCases[] = {
    {"elements in their sections",
     "<OptionsFile><MouseLookReverseY>FALSE</MouseLookReverseY>"
     "<Gameplay><BloodOn>TRUE</BloodOn></Gameplay><Graphics><Gamma>1.5</Gamma></Graphics>"
     "<Sound><UseEAX>TRUE</UseEAX></Sound><Multiplayer><MOTD>Hello there</MOTD></Multiplayer>"
     "<PlayerName>Kestrel</PlayerName></OptionsFile>",
     {{"MouseLookReverseY", "FALSE"},
      {"BloodOn", "TRUE"},
      {"Gamma", "1.5"},
      {"UseEAX", "TRUE"},
      {"MOTD", "Hello there"},
      {"PlayerName", "Kestrel"}}},
    {"an element outside its section and a root of another name",
     "<Whatever><BloodOn>TRUE</BloodOn><FirstRun>TRUE</FirstRun></Whatever>",
     {{"BloodOn", "TRUE"}, {"FirstRun", "TRUE"}}},
    {"names that differ in case only are not read",
     "<OptionsFile><bloodon>TRUE</bloodon><GAMEPLAY><BloodOn>x</BloodOn></GAMEPLAY></OptionsFile>",
     {}},
    {"sections nested in sections",
     "<OptionsFile><Graphics><Sound><Multiplayer><MOTD>deep</MOTD></Multiplayer></Sound>"
     "</Graphics></OptionsFile>",
     {{"MOTD", "deep"}}},
    {"an unknown wrapper hides what it holds",
     "<OptionsFile><Multiplayer><Servers><IPAddress>1.2.3.4</IPAddress></Servers>"
     "</Multiplayer></OptionsFile>",
     {}},
    {"thirteen addresses fill twelve slots",
     "<OptionsFile><Multiplayer>" + Repeat("IPAddress", 13) + "</Multiplayer></OptionsFile>",
     {{"IPAddress[0]", "1"},
      {"IPAddress[1]", "2"},
      {"IPAddress[2]", "3"},
      {"IPAddress[3]", "4"},
      {"IPAddress[4]", "5"},
      {"IPAddress[5]", "6"},
      {"IPAddress[6]", "7"},
      {"IPAddress[7]", "8"},
      {"IPAddress[8]", "9"},
      {"IPAddress[9]", "10"},
      {"IPAddress[10]", "11"},
      {"IPAddress[11]", "12"}}},
    {"the tenth chat message and later ones share the last slot",
     "<OptionsFile><Multiplayer>" + Repeat("ChatMsg", 11) + "</Multiplayer></OptionsFile>",
     {{"ChatMsg[0]", "<ChatMsg>1</ChatMsg>"},
      {"ChatMsg[1]", "<ChatMsg>2</ChatMsg>"},
      {"ChatMsg[2]", "<ChatMsg>3</ChatMsg>"},
      {"ChatMsg[3]", "<ChatMsg>4</ChatMsg>"},
      {"ChatMsg[4]", "<ChatMsg>5</ChatMsg>"},
      {"ChatMsg[5]", "<ChatMsg>6</ChatMsg>"},
      {"ChatMsg[6]", "<ChatMsg>7</ChatMsg>"},
      {"ChatMsg[7]", "<ChatMsg>8</ChatMsg>"},
      {"ChatMsg[8]", "<ChatMsg>9</ChatMsg>"},
      {"ChatMsg[9]", "<ChatMsg>11</ChatMsg>"}}},
    {"every level counts its list slots from the first",
     "<OptionsFile><Multiplayer>" + Repeat("IPAddress", 4) + "</Multiplayer><Multiplayer>" +
         Repeat("IPAddress", 2) + "</Multiplayer></OptionsFile>",
     {{"IPAddress[0]", "1"}, {"IPAddress[1]", "2"}, {"IPAddress[2]", "3"}, {"IPAddress[3]", "4"}}},
    {"the last occurrence wins, an empty one included",
     "<OptionsFile><BloodOn>TRUE</BloodOn><MOTD>first</MOTD><BloodOn>FALSE</BloodOn>"
     "<MOTD/></OptionsFile>",
     {{"BloodOn", "FALSE"}}},
    {"fixed texts whatever the element holds",
     "<OptionsFile><ThreatIndicatorEnabled>TRUE</ThreatIndicatorEnabled><XBoxMode/>"
     "<Graphics><DefaultMipMapping>yes</DefaultMipMapping><MipMapLODBias>2.0</MipMapLODBias>"
     "</Graphics></OptionsFile>",
     {{"ThreatIndicatorEnabled", "FALSE"},
      {"XBoxMode", "FALSE"},
      {"DefaultMipMapping", "FALSE"},
      {"MipMapLODBias", "-0.500000"}}},
    {"stored markup keeps the element whole and its children unread",
     "<OptionsFile><Graphics><VideoResolution Width=\"800\"><Gamma>9</Gamma>"
     "</VideoResolution></Graphics></OptionsFile>",
     {{"VideoResolution", "<VideoResolution Width=\"800\"><Gamma>9</Gamma></VideoResolution>"}}},
    {"comments, white space and references",
     "<OptionsFile>\r\n\t<!-- a comment -->\r\n\t<MOTD>  Fish &amp; chips &lt;3  </MOTD>\r\n"
     "\t<PlayerName><![CDATA[<Ace>]]></PlayerName>\r\n</OptionsFile>\r\n",
     {{"MOTD", "Fish & chips <3"}, {"PlayerName", "<Ace>"}}},
    {"a file without declaration in the ANSI code page",
     "<OptionsFile><PlayerName>Caf\xE9</PlayerName></OptionsFile>",
     {{"PlayerName", "Caf\xE9"}}},
    {"UTF-8 text arrives in the ANSI code page",
     "<?xml version=\"1.0\" encoding=\"UTF-8\"?><OptionsFile><PlayerName>Caf\xC3\xA9 "
     "\xE2\x82\xAC \xE2\x86\x92</PlayerName></OptionsFile>",
     {{"PlayerName", "Caf\xE9 \x80 ?"}}},
};

TEST_F(OptionsReaderTest, StoresWhatEachDocumentHolds) {
    for (const ReadCase& test : kReadCases) {
        SCOPED_TRACE(test.name);
        CLauncherDlg fresh;
        ASSERT_EQ(fresh.m_pXMLDoc.CreateInstance(), 0);
        const auto path = folder.Path() / "case.xml";
        WriteBytes(path, test.document);
        EXPECT_TRUE(fresh.LoadOptionsDocument(CString(path.string())));
        EXPECT_EQ(NonEmptySettings(fresh), test.expected);
    }
    EXPECT_TRUE(headless::MessageBoxes().empty());
}

TEST_F(OptionsReaderTest, SlotsThatNoElementReachesKeepTheirValues) {
    dlg.m_strIPAddress[5] = "kept";
    dlg.m_strChatMsg[9] = "<ChatMsg>kept</ChatMsg>";
    Load("<OptionsFile><Multiplayer><IPAddress>1</IPAddress></Multiplayer></OptionsFile>");
    EXPECT_EQ(dlg.m_strIPAddress[0], "1");
    EXPECT_EQ(dlg.m_strIPAddress[5], "kept");
    EXPECT_EQ(dlg.m_strChatMsg[9], "<ChatMsg>kept</ChatMsg>");
}

TEST_F(OptionsReaderTest, TheSecondFileOverridesOnlyWhatItHolds) {
    Load("<OptionsFile><BloodOn>TRUE</BloodOn><FirstRun>game</FirstRun></OptionsFile>");
    Load("<VKOptionsFile><FirstRun>TRUE</FirstRun><DoIntro>FALSE</DoIntro></VKOptionsFile>",
         "vk_options.xml");
    EXPECT_EQ(NonEmptySettings(dlg),
              (Settings{{"BloodOn", "TRUE"}, {"FirstRun", "TRUE"}, {"DoIntro", "FALSE"}}));
}

TEST_F(OptionsReaderTest, AFailedLoadSaysSoOnceAndKeepsTheTable) {
    const struct {
        const char* name;
        std::string bytes;
    } broken[] = {
        {"not well-formed", "<OptionsFile><BloodOn>FALSE</OptionsFile>"},
        {"empty", ""},
        {"a document type with an external entity",
         "<!DOCTYPE OptionsFile [<!ENTITY x SYSTEM \"/etc/passwd\">]>"
         "<OptionsFile><BloodOn>&x;</BloodOn></OptionsFile>"},
        {"binary garbage", std::string("\x00\xFF\x13<\x80", 5)},
    };
    ASSERT_TRUE(Load("<OptionsFile><BloodOn>TRUE</BloodOn></OptionsFile>"));
    for (const auto& test : broken) {
        SCOPED_TRACE(test.name);
        headless::Reset();
        EXPECT_FALSE(Load(test.bytes, "broken.xml"));
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Document FAILED to load!"});
        EXPECT_EQ(NonEmptySettings(dlg), (Settings{{"BloodOn", "TRUE"}}));
    }
}

TEST_F(OptionsReaderTest, AMissingFirstFileLeavesAnEmptyTable) {
    EXPECT_FALSE(dlg.LoadOptionsDocument(CString((folder.Path() / "missing.xml").string())));
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Document FAILED to load!"});
    const auto& box = headless::MessageBoxes().front();
    EXPECT_EQ(box.caption, "Velkan Launcher");
    EXPECT_EQ(box.type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_TRUE(NonEmptySettings(dlg).empty());
}

TEST_F(OptionsReaderTest, WithoutADocumentObjectNothingIsReadOrShown) {
    CLauncherDlg noDocument;
    EXPECT_FALSE(noDocument.LoadOptionsDocument(CString((folder.Path() / "x.xml").string())));
    EXPECT_TRUE(headless::MessageBoxes().empty());
}

TEST_F(OptionsReaderTest, DeepNestingNeitherCrashesNorHangs) {
    const int depth = 100000;
    std::string document;
    for (int i = 0; i < depth; ++i) {
        document += "<Sound>";
    }
    document += "<MOTD>deep</MOTD>";
    for (int i = 0; i < depth; ++i) {
        document += "</Sound>";
    }
    // The engine may reject such a file; either way the launcher carries on.
    if (Load(document)) {
        EXPECT_EQ(dlg.m_strMOTD, "deep");
    } else {
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Document FAILED to load!"});
    }
}

TEST_F(OptionsReaderTest, ManySiblingsAreReadInOnePass) {
    std::string document = "<OptionsFile><Multiplayer>";
    for (int i = 0; i < 100000; ++i) {
        document += "<MOTD>" + std::to_string(i) + "</MOTD><Unknown/>";
    }
    document += "</Multiplayer></OptionsFile>";
    ASSERT_TRUE(Load(document));
    EXPECT_EQ(dlg.m_strMOTD, "99999");
}

} // namespace
