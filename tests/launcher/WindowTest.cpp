#include "framework/headless/Headless.h"
#include "launcher/Velkan LauncherDlg.h"
#include "resource.h"
#include "tests/support/GameInstallation.h"

#include <gtest/gtest.h>

namespace {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        game.WriteGameOptions("<OptionsFile><BloodOn>TRUE</BloodOn></OptionsFile>");
        game.WriteModOptions("<VKOptionsFile><FirstRun>FALSE</FirstRun><DoIntro>TRUE</DoIntro>"
                             "<WindowMode>FALSE</WindowMode><ShowFPSRate>FALSE</ShowFPSRate>"
                             "</VKOptionsFile>");
    }

    // Opens the launcher, lets `user` act on it and gives the dialog's result.
    INT_PTR Run(std::function<void(CDialog&)> user) {
        headless::QueueUser(std::move(user));
        return dlg.DoModal();
    }

    GameInstallation game;
    CLauncherDlg dlg;
};

TEST_F(WindowTest, EnteringTheAddressBoxEmptiesItAndResetsTheCheckBoxes) {
    Run([](CDialog& d) {
        headless::Click(d, IDC_WINDOW_MODE);
        headless::Click(d, IDC_DISPLAY_INTRO);
        EXPECT_EQ(headless::Control(d, IDC_WINDOW_MODE).check, 1);

        headless::Focus(d, IDC_JOIN_ADDRESS);
        EXPECT_EQ(headless::Control(d, IDC_JOIN_ADDRESS).text, "");
        EXPECT_EQ(headless::Control(d, IDC_WINDOW_MODE).check, 0);
        EXPECT_EQ(headless::Control(d, IDC_DISPLAY_INTRO).check, 1);

        headless::Type(d, "10.0.0.7");
        headless::Press(d, headless::Key::Tab); // on to the next control...
        headless::Focus(d, IDC_JOIN_ADDRESS);   // ...and back: the typed address goes too
        EXPECT_EQ(headless::Control(d, IDC_JOIN_ADDRESS).text, "");
    });
}

TEST_F(WindowTest, LoadingResetsACheckStateOutOfRange) {
    Run([this](CDialog& d) {
        const struct {
            int member;
            int shown; // the member is reset to what the check box shows
        } cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 0}, {-1, 0}};
        for (const auto& test : cases) {
            SCOPED_TRACE(test.member);
            dlg.m_bShowFrameRate = test.member;
            dlg.UpdateData(FALSE);
            EXPECT_EQ(headless::Control(d, IDC_SHOW_FRAME_RATE).check, test.shown);
            EXPECT_EQ(dlg.m_bShowFrameRate, test.shown);
        }
        dlg.m_bShowFrameRate = 2;
        dlg.UpdateData(FALSE);
        headless::Focus(d, IDC_JOIN_ADDRESS);
        headless::Type(d, " spaced  ");
        dlg.UpdateData(TRUE);
        EXPECT_EQ(dlg.m_strJoinAddress, " spaced  ");
        EXPECT_EQ(dlg.m_bShowFrameRate, 2);
    });
}

TEST_F(WindowTest, SystemCommandsOfTheAboutItemOpenTheAboutBox) {
    const struct {
        UINT command;
        bool about;
    } cases[] = {{0x10, true}, {0x1F, true}, {0x20, false}, {0xF120, false}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.command);
        bool aboutShown = false;
        Run([&](CDialog& d) {
            if (test.about) {
                headless::QueueUser([&](CDialog& about) {
                    aboutShown = true;
                    EXPECT_EQ(headless::Caption(about), "About Velkan Launcher");
                    EXPECT_EQ(headless::OpenDialogs().size(), 2u);
                    headless::Click(about, IDOK);
                });
            }
            headless::SysCommand(d, test.command);
            EXPECT_FALSE(headless::IsEnded(d));
        });
        EXPECT_EQ(aboutShown, test.about);
    }
}

TEST_F(WindowTest, EveryWayOfClosingCancelsAndWritesNothing) {
    const auto optionsBefore = ReadBytes(game.GameFolder() / "options.xml");
    const std::function<void(CDialog&)> closings[] = {
        [](CDialog& d) { headless::Press(d, headless::Key::Escape); },
        [](CDialog& d) { headless::SysCommand(d, 0xF060); },
    };
    for (const auto& close : closings) {
        EXPECT_EQ(Run(close), IDCANCEL);
    }
    EXPECT_EQ(ReadBytes(game.GameFolder() / "options.xml"), optionsBefore);
    EXPECT_FALSE(std::filesystem::exists(game.GameFolder() / "modsset.txt"));
    EXPECT_TRUE(headless::ProcessStarts().empty());
}

TEST_F(WindowTest, TabSkipsHiddenCheckBoxes) {
    game.WriteModOptions("<VKOptionsFile><FirstRun>TRUE</FirstRun></VKOptionsFile>");
    Run([](CDialog& d) {
        std::vector<int> order{headless::FocusedId(d)};
        for (int i = 0; i < 4; ++i) {
            headless::Press(d, headless::Key::Tab);
            order.push_back(headless::FocusedId(d));
        }
        EXPECT_EQ(order, (std::vector<int>{IDC_START, IDC_QUICK_JOIN, IDC_QUICK_SERVER,
                                           IDC_JOIN_ADDRESS, IDC_START}));
        // Entering the box by Tab empties it as a click would.
        EXPECT_EQ(headless::Control(d, IDC_JOIN_ADDRESS).text, "");
    });
}

TEST_F(WindowTest, EnterInTheAddressBoxOrOnACheckBoxStartsAPlainLaunch) {
    const int focusOn[] = {IDC_JOIN_ADDRESS, IDC_WINDOW_MODE};
    for (const int id : focusOn) {
        SCOPED_TRACE(id);
        headless::Reset();
        game.Register();
        CLauncherDlg launcher;
        headless::QueueUser([id](CDialog& d) {
            headless::Focus(d, id);
            headless::Press(d, headless::Key::Enter);
        });
        EXPECT_EQ(launcher.DoModal(), IDOK);
        ASSERT_EQ(headless::ProcessStarts().size(), 2u);
        EXPECT_EQ(headless::ProcessStarts()[1].commandLine,
                  "\"" + game.RegisteredPath() + "\\ghostrecon.exe\"");
    }
}

TEST_F(WindowTest, MinimisedTheIconIsDrawnCentred) {
    const struct {
        int width, height;
        int x, y;
    } cases[] = {{36, 36, 2, 2}, {0, 0, -15, -15}, {33, 100, 1, 34}, {32, 31, 0, 0}};
    for (const auto& test : cases) {
        SCOPED_TRACE(std::to_string(test.width) + "x" + std::to_string(test.height));
        headless::Reset();
        game.Register();
        Run([&](CDialog& d) {
            headless::SetIconic(d, true);
            headless::SetClientSize(d, test.width, test.height);
            headless::Paint(d);
            const auto draws = headless::IconDraws();
            ASSERT_EQ(draws.size(), 1u);
            EXPECT_EQ(draws[0].x, test.x);
            EXPECT_EQ(draws[0].y, test.y);
            EXPECT_EQ(draws[0].icon, dlg.m_hIcon);
        });
    }
}

TEST_F(WindowTest, NotMinimisedNothingIsDrawnAndTheDragIconIsTheWindowsIcon) {
    Run([this](CDialog& d) {
        headless::Paint(d);
        EXPECT_TRUE(headless::IconDraws().empty());
        EXPECT_EQ(reinterpret_cast<HICON>(dlg.SendMessage(WM_QUERYDRAGICON)), dlg.m_hIcon);
        EXPECT_NE(dlg.m_hIcon, nullptr);
    });
}

} // namespace
