#include "framework/headless/Headless.h"
#include "launcher/Velkan LauncherDlg.h"
#include "resource.h"
#include "tests/support/GameInstallation.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const std::string kGameOptions =
    "<OptionsFile><Gameplay><BloodOn>TRUE</BloodOn></Gameplay></OptionsFile>";
const std::string kModOptions = "<VKOptionsFile><FirstRun>TRUE</FirstRun><DoIntro>TRUE</DoIntro>"
                                "<WindowMode>FALSE</WindowMode><ShowFPSRate>FALSE</ShowFPSRate>"
                                "</VKOptionsFile>";
// After the first run the check boxes show, so the player can change them.
const std::string kModOptionsAfterFirstRun =
    "<VKOptionsFile><FirstRun>FALSE</FirstRun><DoIntro>TRUE</DoIntro>"
    "<WindowMode>FALSE</WindowMode><ShowFPSRate>FALSE</ShowFPSRate></VKOptionsFile>";
const std::string kStopMessage =
    "Velkan requires both Desert Siege and Island Thunder expansions for Ghost Recon\n"
    "to be installed prior to playing it.  Please install and try again.";

class LaunchTest : public ::testing::Test {
protected:
    void SetUp() override {
        game.WriteGameOptions(kGameOptions);
        game.WriteModOptions(kModOptions);
    }

    std::string Game() const { return game.RegisteredPath() + "\\"; }

    // The files of the game folder and the mod folder, by name.
    std::map<std::string, std::string> Files() const {
        std::map<std::string, std::string> files;
        for (const auto& folder : {game.GameFolder(), game.ModFolder()}) {
            for (const auto& entry : std::filesystem::directory_iterator(folder)) {
                if (entry.is_regular_file()) {
                    files[entry.path().filename().string()] = ReadBytes(entry.path());
                }
            }
        }
        return files;
    }

    INT_PTR Run(std::function<void(CDialog&)> user) {
        headless::QueueUser(std::move(user));
        return dlg.DoModal();
    }

    GameInstallation game;
    CLauncherDlg dlg;
};

struct ModeCase {
    const char* name;
    int button;
    const char* typed; // null: the address box is never entered
    std::string gameArguments;
};

TEST_F(LaunchTest, EachButtonWritesTheFilesAndStartsTheGameInItsMode) {
    const ModeCase cases[] = {
        {"start", IDC_START, nullptr, ""},
        {"quick server", IDC_QUICK_SERVER, nullptr, " -server"},
        {"quick join", IDC_QUICK_JOIN, "192.168.0.10:2346", " -client 192.168.0.10:2346"},
        {"quick join with the placeholder", IDC_QUICK_JOIN, nullptr,
         " -client Enter IP Address to Join"},
        {"quick join with blanks", IDC_QUICK_JOIN, "  10.1.1.1 ", " -client   10.1.1.1 "},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        headless::Reset();
        game.Register();
        game.WriteModOptions(kModOptions);
        EXPECT_EQ(Run([&](CDialog& d) {
                      if (test.typed != nullptr) {
                          headless::Focus(d, IDC_JOIN_ADDRESS);
                          headless::Type(d, test.typed);
                      }
                      headless::Click(d, test.button);
                  }),
                  IDOK);
        const std::vector<std::string> expected = {
            "coinit",
            "replace: " + Game() + "vk_unlockedheroes.xml",
            "replace: " + Game() + "options.xml",
            "replace: " + Game() + "Mods\\Velkan\\vk_options.xml",
            "replace: " + Game() + "modsset.txt",
            "start: \"" + Game() + "Mods\\Velkan\\mp32wav.bat\"",
            "start: \"" + Game() + "ghostrecon.exe\"" + test.gameArguments,
            "sleep: 3000",
        };
        EXPECT_EQ(headless::Events(), expected);
        const auto& starts = headless::ProcessStarts();
        ASSERT_EQ(starts.size(), 2u);
        EXPECT_EQ(starts[0].show, SW_HIDE);
        EXPECT_EQ(starts[1].show, SW_SHOW);
        EXPECT_EQ(starts[0].workingFolder, Game());
        EXPECT_EQ(starts[1].workingFolder, Game());
        EXPECT_EQ(Files()["vk_options.xml"], "<VKOptionsFile>\r\n"
                                             "\t<FirstRun>FALSE</FirstRun>\r\n"
                                             "\t<DoIntro>TRUE</DoIntro>\r\n"
                                             "\t<WindowMode>FALSE</WindowMode>\r\n"
                                             "\t<ShowFPSRate>FALSE</ShowFPSRate>\r\n"
                                             "</VKOptionsFile>\r\n");
        EXPECT_EQ(Files()["modsset.txt"],
                  "// MODS SETTINGS - LIST OF MODS ACTIVE ON THIS SYSTEM\r\n"
                  "\"\\mods\\mp1\"\r\n\"\\mods\\mp2\"\r\n\"\\mods\\velkan\"\r\n");
    }
}

TEST_F(LaunchTest, QuickJoinWithAnEmptyAddressWritesButStartsNoGame) {
    EXPECT_EQ(Run([](CDialog& d) {
                  headless::Focus(d, IDC_JOIN_ADDRESS);
                  headless::Click(d, IDC_QUICK_JOIN);
              }),
              IDOK);
    const auto& events = headless::Events();
    ASSERT_EQ(events.size(), 8u);
    EXPECT_EQ(events[5], "start: \"" + Game() + "Mods\\Velkan\\mp32wav.bat\"");
    EXPECT_EQ(events[6], "box: Enter an IP Address");
    EXPECT_EQ(events[7], "sleep: 3000");
    const auto& box = headless::MessageBoxes().at(0);
    EXPECT_EQ(box.caption, "Velkan Launcher");
    EXPECT_EQ(box.type, static_cast<UINT>(MB_OK));
    EXPECT_NE(box.owner, nullptr);
}

TEST_F(LaunchTest, AMissingExpansionStopsTheLaunchUntilItIsThere) {
    const struct {
        const char* name;
        const char* missing;
        bool asFile; // the expansion comes back as an ordinary file, which counts too
    } cases[] = {{"no MP1", "MP1", false}, {"no MP2", "MP2", true}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        headless::Reset();
        game.Register();
        const auto expansion = game.ModsFolder() / test.missing;
        std::filesystem::remove_all(expansion);
        const auto before = Files();
        EXPECT_EQ(Run([&](CDialog& d) {
                      headless::Click(d, IDC_START);
                      EXPECT_FALSE(headless::IsEnded(d));
                      EXPECT_EQ(Files(), before);
                      EXPECT_TRUE(headless::ProcessStarts().empty());
                      ASSERT_EQ(headless::MessageBoxes().size(), 1u);
                      const auto& box = headless::MessageBoxes()[0];
                      EXPECT_EQ(box.text, kStopMessage);
                      EXPECT_EQ(box.caption, "Velkan");
                      EXPECT_EQ(box.type, static_cast<UINT>(MB_OK | MB_ICONSTOP));
                      EXPECT_EQ(box.owner, d.GetSafeHwnd());

                      if (test.asFile) {
                          WriteBytes(expansion, "not a folder");
                      } else {
                          std::filesystem::create_directory(expansion);
                      }
                      headless::Click(d, IDC_QUICK_SERVER);
                  }),
                  IDOK);
        EXPECT_EQ(headless::ProcessStarts().size(), 2u);
        EXPECT_NE(Files()["modsset.txt"].find("mp2"), std::string::npos);
    }
}

TEST_F(LaunchTest, AReadOnlyOptionsFileStaysAsItWasAndTheGameStillStarts) {
    const auto options = game.GameFolder() / "options.xml";
    chmod(options.c_str(), 0444);
    Run([](CDialog& d) { headless::Click(d, IDC_START); });
    EXPECT_EQ(ReadBytes(options), kGameOptions);
    EXPECT_EQ(headless::ProcessStarts().size(), 2u);
    EXPECT_NE(Files()["vk_options.xml"].find("<FirstRun>FALSE</FirstRun>"), std::string::npos);
    for (const auto& entry : std::filesystem::directory_iterator(game.GameFolder())) {
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
    }
}

TEST_F(LaunchTest, AGameOptionsFileThatDidNotLoadIsLeftAlone) {
    const std::string broken = "<OptionsFile><BloodOn>TRUE</Blood";
    game.WriteGameOptions(broken);
    game.WriteModOptions(kModOptionsAfterFirstRun);
    Run([](CDialog& d) {
        headless::Click(d, IDC_WINDOW_MODE);
        headless::Click(d, IDC_START);
    });
    EXPECT_EQ(ReadBytes(game.GameFolder() / "options.xml"), broken);
    EXPECT_NE(Files()["vk_options.xml"].find("<WindowMode>TRUE</WindowMode>"), std::string::npos);
    EXPECT_EQ(headless::ProcessStarts().size(), 2u);
}

TEST_F(LaunchTest, AMissingModFolderIsSkippedSilently) {
    std::filesystem::remove_all(game.ModFolder());
    Run([](CDialog& d) { headless::Click(d, IDC_START); });
    EXPECT_FALSE(std::filesystem::exists(game.ModFolder()));
    EXPECT_EQ(headless::ProcessStarts().size(), 2u);
    // Only the missing mod options file's box at start-up: the launch itself says nothing.
    ASSERT_EQ(headless::MessageBoxes().size(), 1u);
    EXPECT_EQ(headless::MessageBoxes()[0].text, "Document FAILED to load!");
}

TEST_F(LaunchTest, TheCheckBoxesReachBothOptionsFiles) {
    game.WriteGameOptions(
        ReadBytes(std::filesystem::path(VELKAN_TEST_FIXTURES) / "options-read.xml"));
    game.WriteModOptions(kModOptionsAfterFirstRun);
    Run([](CDialog& d) {
        headless::Click(d, IDC_DISPLAY_INTRO); // on from the mod's settings: now off
        headless::Click(d, IDC_WINDOW_MODE);
        headless::Click(d, IDC_SHOW_FRAME_RATE);
        headless::Click(d, IDC_START);
    });
    EXPECT_EQ(Files()["options.xml"],
              ReadBytes(std::filesystem::path(VELKAN_TEST_FIXTURES) / "options-written.xml"));
    EXPECT_EQ(Files()["vk_options.xml"], "<VKOptionsFile>\r\n"
                                         "\t<FirstRun>FALSE</FirstRun>\r\n"
                                         "\t<DoIntro>FALSE</DoIntro>\r\n"
                                         "\t<WindowMode>TRUE</WindowMode>\r\n"
                                         "\t<ShowFPSRate>TRUE</ShowFPSRate>\r\n"
                                         "</VKOptionsFile>\r\n");
}

} // namespace
