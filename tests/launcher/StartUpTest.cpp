#include "framework/headless/Headless.h"
#include "launcher/Velkan Launcher.h"
#include "launcher/Velkan LauncherDlg.h"
#include "resource.h"
#include "tests/support/GameInstallation.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kAppPathsKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\GhostRecon.exe";

std::string ModOptions(const std::string& firstRun, const std::string& doIntro,
                       const std::string& windowMode, const std::string& showFps) {
    return "<VKOptionsFile><FirstRun>" + firstRun + "</FirstRun><DoIntro>" + doIntro +
           "</DoIntro><WindowMode>" + windowMode + "</WindowMode><ShowFPSRate>" + showFps +
           "</ShowFPSRate></VKOptionsFile>";
}

// Runs the launcher dialog modally; `look` sees it as the user would once it is open.
void RunLauncher(CLauncherDlg& dlg, std::function<void(CDialog&)> look) {
    headless::QueueUser(std::move(look));
    dlg.DoModal();
}

TEST(ReadGamePaths, DerivesTheThreeFoldersFromTheRegisteredPath) {
    const struct {
        const char* name;
        std::string bytes;
        DWORD type;
        std::string gamePath;
    } cases[] = {
        {"a plain path", std::string("C:\\Games\\Ghost Recon\0", 21), 1,
         "C:\\Games\\Ghost Recon\\"},
        {"a trailing backslash is doubled", std::string("C:\\GR\\\0", 7), 1, "C:\\GR\\\\"},
        {"an empty value", std::string("\0", 1), 1, "\\"},
        {"254 characters are used whole", std::string(254, 'a') + '\0', 1,
         std::string(254, 'a') + "\\"},
        {"255 characters and the end do not fit", std::string(255, 'a') + '\0', 1, "\\"},
        {"300 characters do not fit", std::string(300, 'a') + '\0', 1, "\\"},
        {"255 characters stored without an end still fit", std::string(255, 'a'), 1,
         std::string(255, 'a') + "\\"},
        {"a value of another type is taken as bytes", std::string("\x01\0\0\0", 4), 4, "\x01\\"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        headless::Reset();
        headless::SetRegistryValue(kAppPathsKey, "Path", test.bytes, test.type);
        CLauncherDlg dlg;
        dlg.ReadGamePaths();
        EXPECT_EQ(dlg.m_strGamePath, CString(test.gamePath));
        EXPECT_EQ(dlg.m_strModsPath, CString(test.gamePath + "Mods\\"));
        EXPECT_EQ(dlg.m_strModPath, CString(test.gamePath + "Mods\\Velkan\\"));
    }
}

TEST(ReadGamePaths, NothingRegisteredNamesTheRootOfTheDrive) {
    headless::Reset();
    CLauncherDlg dlg;
    dlg.ReadGamePaths();
    EXPECT_EQ(dlg.m_strGamePath, "\\");
    EXPECT_EQ(dlg.m_strModsPath, "\\Mods\\");
    EXPECT_EQ(dlg.m_strModPath, "\\Mods\\Velkan\\");

    headless::SetRegistryString(kAppPathsKey, "Other", "C:\\GR");
    dlg.ReadGamePaths();
    EXPECT_EQ(dlg.m_strGamePath, "\\");
}

TEST(StartUp, TheCheckBoxesFollowTheModsSettings) {
    const struct {
        const char* name;
        std::string modOptions;
        bool visible;
        int intro, windowMode, frameRate;
    } cases[] = {
        {"first run hides them", ModOptions("TRUE", "TRUE", "FALSE", "TRUE"), false, 1, 0, 1},
        {"after the first run", ModOptions("FALSE", "FALSE", "TRUE", "FALSE"), true, 0, 1, 0},
        {"only the exact upper-case word counts", ModOptions("true", "True", "TRUE.", "T RUE"),
         true, 0, 0, 0},
        {"no mod settings at all", "<VKOptionsFile/>", true, 0, 0, 0},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        GameInstallation game;
        // The game's own settings of the same meaning have no say over the check boxes.
        game.WriteGameOptions("<OptionsFile><Gameplay><ShowIntro>TRUE</ShowIntro></Gameplay>"
                              "<Graphics><FullScreen>FALSE</FullScreen><ShowFrameRate>TRUE"
                              "</ShowFrameRate></Graphics></OptionsFile>");
        game.WriteModOptions(test.modOptions);
        CLauncherDlg dlg;
        RunLauncher(dlg, [&](CDialog& d) {
            const int boxes[] = {IDC_DISPLAY_INTRO, IDC_WINDOW_MODE, IDC_SHOW_FRAME_RATE};
            for (const int id : boxes) {
                EXPECT_EQ(headless::Control(d, id).visible, test.visible) << id;
            }
            EXPECT_EQ(headless::Control(d, IDC_DISPLAY_INTRO).check, test.intro);
            EXPECT_EQ(headless::Control(d, IDC_WINDOW_MODE).check, test.windowMode);
            EXPECT_EQ(headless::Control(d, IDC_SHOW_FRAME_RATE).check, test.frameRate);
        });
        EXPECT_TRUE(headless::MessageBoxes().empty());
    }
}

TEST(StartUp, TheWindowOpensReadyForThePlayer) {
    GameInstallation game;
    game.WriteGameOptions("<OptionsFile/>");
    game.WriteModOptions(ModOptions("FALSE", "FALSE", "FALSE", "FALSE"));
    CLauncherDlg dlg;
    RunLauncher(dlg, [&](CDialog& d) {
        EXPECT_EQ(headless::Control(d, IDC_JOIN_ADDRESS).text, "Enter IP Address to Join");
        EXPECT_EQ(headless::FocusedId(d), IDC_START);
        EXPECT_EQ(headless::Caption(d), "Velkan Launcher");
        const auto menu = headless::SystemMenu(d);
        ASSERT_GE(menu.size(), 2u);
        EXPECT_EQ(menu[menu.size() - 2].flags, static_cast<UINT>(MF_SEPARATOR));
        EXPECT_EQ(menu.back().flags, static_cast<UINT>(MF_STRING));
        EXPECT_EQ(menu.back().id, static_cast<UINT_PTR>(0x10));
        EXPECT_EQ(menu.back().text, "&About Velkan Launcher...");
        EXPECT_NE(headless::BigIcon(d), nullptr);
        EXPECT_EQ(headless::BigIcon(d), headless::SmallIcon(d));
    });
    EXPECT_FALSE(dlg.m_bQuickJoin);
    EXPECT_FALSE(dlg.m_bQuickServer);
    EXPECT_EQ(dlg.m_strGamePath, CString(game.RegisteredPath() + "\\"));
}

TEST(StartUp, MissingFilesAreReportedAndTheWindowStillOpens) {
    const struct {
        const char* name;
        bool gameOptions, modOptions;
        int boxes;
    } cases[] = {
        {"no mod options", true, false, 1},
        {"no game options", false, true, 1},
        {"neither file", false, false, 2},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        GameInstallation game;
        if (test.gameOptions) {
            game.WriteGameOptions("<OptionsFile><BloodOn>TRUE</BloodOn></OptionsFile>");
        }
        if (test.modOptions) {
            game.WriteModOptions(ModOptions("TRUE", "TRUE", "TRUE", "TRUE"));
        }
        CLauncherDlg dlg;
        bool opened = false;
        RunLauncher(dlg, [&](CDialog& d) {
            opened = true;
            EXPECT_EQ(headless::Control(d, IDC_DISPLAY_INTRO).visible, !test.modOptions);
        });
        EXPECT_TRUE(opened);
        ASSERT_EQ(headless::MessageBoxes().size(), static_cast<size_t>(test.boxes));
        for (const auto& box : headless::MessageBoxes()) {
            EXPECT_EQ(box.text, "Document FAILED to load!");
            EXPECT_EQ(box.caption, "Velkan Launcher");
        }
        EXPECT_EQ(dlg.m_bGameOptionsLoaded, test.gameOptions ? TRUE : FALSE);
    }
}

TEST(StartUp, WithoutTheDocumentObjectTheWindowClosesByItself) {
    GameInstallation game;
    game.WriteGameOptions("<OptionsFile/>");
    headless::FailNextCreateInstance(static_cast<HRESULT>(0x80040201));
    CLauncherDlg dlg;
    bool userSawWindow = false;
    headless::QueueUser([&](CDialog&) { userSawWindow = true; });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_FALSE(userSawWindow);
    ASSERT_EQ(headless::MessageBoxes().size(), 1u);
    EXPECT_EQ(headless::MessageBoxes()[0].text, "IDispatch error #1");
    EXPECT_EQ(headless::MessageBoxes()[0].caption, "Velkan Launcher");
    // Start-up still ran to its end.
    EXPECT_EQ(dlg.m_strGamePath, CString(game.RegisteredPath() + "\\"));
    EXPECT_EQ(dlg.m_strJoinAddress, "Enter IP Address to Join");
}

TEST(StartUp, TheApplicationRunsTheDialogOnceAndEnds) {
    GameInstallation game;
    game.WriteGameOptions("<OptionsFile/>");
    game.WriteModOptions(ModOptions("FALSE", "FALSE", "FALSE", "FALSE"));
    headless::QueueUser([](CDialog& d) {
        EXPECT_EQ(AfxGetApp()->m_pMainWnd, &d);
        headless::Press(d, headless::Key::Escape);
    });
    EXPECT_FALSE(theApp.InitInstance());
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    const auto& events = headless::Events();
    const auto coinit = std::find(events.begin(), events.end(), "coinit");
    const auto oleinit = std::find(events.begin(), events.end(), "oleinit");
    EXPECT_NE(coinit, events.end());
    EXPECT_NE(oleinit, events.end());
    EXPECT_LT(coinit, oleinit);
    EXPECT_TRUE(headless::ProcessStarts().empty());
}

} // namespace
