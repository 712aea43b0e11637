#include "framework/Dialog.h"
#include "framework/WinApp.h"
#include "framework/headless/Headless.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kScClose = 0xF060;
constexpr UINT kScMinimize = 0xF020;
constexpr UINT kKeptCommand = 0x10; // handled without the system's default

// A dialog on the launcher's template that notes what reaches its handlers.
class CProbeDlg : public CDialog {
public:
    CProbeDlg() : CDialog(IDD_LAUNCHER_DIALOG) {}

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (endDuringInit) {
            EndDialog(IDOK);
        }
        return initResult;
    }

    std::vector<std::string> calls;
    int m_nWindowMode = 0;
    CString m_strAddress;
    bool endDuringInit = false;
    BOOL initResult = TRUE;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Check(pDX, IDC_WINDOW_MODE, m_nWindowMode);
        DDX_Text(pDX, IDC_JOIN_ADDRESS, m_strAddress);
    }

    void OnSysCommand(UINT nID, LPARAM) {
        calls.push_back("syscommand " + std::to_string(nID));
        if (nID != kKeptCommand) {
            Default();
        }
    }
    void OnStart() { calls.push_back("start"); }
    void OnQuickJoin() { calls.push_back("quick join"); }
    void OnAddressFocus() { calls.push_back("address focus"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeDlg, CDialog)
ON_WM_SYSCOMMAND()
ON_BN_CLICKED(IDC_START, OnStart)
ON_BN_CLICKED(IDC_QUICK_JOIN, OnQuickJoin)
ON_EN_SETFOCUS(IDC_JOIN_ADDRESS, OnAddressFocus)
END_MESSAGE_MAP()

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override { headless::Reset(); }

    INT_PTR Run(headless::UserScript user) {
        headless::QueueUser(std::move(user));
        return probe.DoModal();
    }

    CProbeDlg probe;
};

TEST_F(DialogTest, CommandsReachTheirHandlers) {
    EXPECT_EQ(Run([](CDialog& d) {
                  headless::Click(d, IDC_START);
                  headless::Click(d, IDC_QUICK_SERVER); // no handler: nothing happens
                  EXPECT_EQ(headless::FocusedId(d), IDC_QUICK_SERVER);
                  headless::Click(d, IDC_QUICK_JOIN);
                  headless::Click(d, IDC_JOIN_ADDRESS); // takes the focus, no click
                  headless::Focus(d, IDC_JOIN_ADDRESS); // has it already
                  headless::Click(d, -1);               // the picture and the frames ignore it
                  EXPECT_EQ(headless::FocusedId(d), IDC_JOIN_ADDRESS);
                  EXPECT_FALSE(headless::IsEnded(d));
                  headless::Press(d, headless::Key::Escape);
              }),
              IDCANCEL);
    EXPECT_EQ(probe.calls, (std::vector<std::string>{"start", "quick join", "address focus"}));
    EXPECT_EQ(probe.GetSafeHwnd(), nullptr);
}

TEST_F(DialogTest, OkSavesTheControlsAndCancelDoesNot) {
    const struct {
        const char* name;
        std::function<void(CDialog&)> end;
        INT_PTR result;
        int windowMode;
        const char* address;
    } cases[] = {
        {"ok", [](CDialog& d) { d.SendMessage(WM_COMMAND, IDOK); }, IDOK, 1, "typed"},
        {"cancel", [](CDialog& d) { d.SendMessage(WM_COMMAND, IDCANCEL); }, IDCANCEL, 0, ""},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        CProbeDlg dialog;
        headless::QueueUser([&](CDialog& d) {
            headless::Click(d, IDC_WINDOW_MODE);
            headless::Focus(d, IDC_JOIN_ADDRESS);
            headless::Type(d, "typed");
            test.end(d);
        });
        EXPECT_EQ(dialog.DoModal(), test.result);
        EXPECT_EQ(dialog.m_nWindowMode, test.windowMode);
        EXPECT_EQ(dialog.m_strAddress, test.address);
    }
}

TEST_F(DialogTest, DefaultHandsAHandledMessageOnToTheSystem) {
    const struct {
        UINT command;
        bool closes;
    } cases[] = {
        {kScClose, true}, {kScClose | 2, true}, {kKeptCommand, false}, {kScMinimize, false}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.command);
        CProbeDlg dialog;
        headless::QueueUser([&](CDialog& d) {
            headless::SysCommand(d, test.command);
            EXPECT_EQ(headless::IsEnded(d), test.closes);
            headless::Press(d, headless::Key::Escape);
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_EQ(dialog.calls.front(), "syscommand " + std::to_string(test.command));
    }
}

TEST_F(DialogTest, LoadingResetsACheckStateOutOfRange) {
    Run([this](CDialog& d) {
        const struct {
            int member;
            int shown;
        } cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 0}, {-1, 0}};
        for (const auto& test : cases) {
            SCOPED_TRACE(test.member);
            probe.m_nWindowMode = test.member;
            probe.UpdateData(FALSE);
            EXPECT_EQ(headless::Control(d, IDC_WINDOW_MODE).check, test.shown);
            EXPECT_EQ(probe.m_nWindowMode, test.shown);
        }
    });
}

TEST_F(DialogTest, AnOpenedDialogThatTheUserLeavesAloneIsClosed) {
    EXPECT_EQ(probe.DoModal(), IDCANCEL);
    EXPECT_EQ(probe.calls, (std::vector<std::string>{"syscommand " + std::to_string(kScClose)}));
}

TEST_F(DialogTest, ADialogEndedDuringItsInitialisationNeverMeetsTheUser) {
    probe.endDuringInit = true;
    bool userSawIt = false;
    EXPECT_EQ(Run([&](CDialog&) { userSawIt = true; }), IDOK);
    EXPECT_FALSE(userSawIt);
    CProbeDlg next; // the script waits for the next dialog
    EXPECT_EQ(next.DoModal(), IDCANCEL);
    EXPECT_TRUE(userSawIt);
}

TEST_F(DialogTest, TheFirstTabStopGetsTheFocusUnlessInitialisationTookIt) {
    Run([](CDialog& d) { EXPECT_EQ(headless::FocusedId(d), IDC_START); });
    probe.initResult = FALSE;
    Run([](CDialog& d) { EXPECT_EQ(headless::FocusedId(d), 0); });
}

TEST_F(DialogTest, TheKeyboard) {
    Run([this](CDialog& d) {
        d.GetDlgItem(IDC_WINDOW_MODE)->ShowWindow(SW_HIDE);
        std::vector<int> order;
        for (int i = 0; i < 7; ++i) {
            headless::Press(d, headless::Key::Tab);
            order.push_back(headless::FocusedId(d));
        }
        EXPECT_EQ(order, (std::vector<int>{IDC_DISPLAY_INTRO, IDC_SHOW_FRAME_RATE, IDC_QUICK_JOIN,
                                           IDC_QUICK_SERVER, IDC_JOIN_ADDRESS, IDC_START,
                                           IDC_DISPLAY_INTRO}));
        EXPECT_EQ(probe.calls, (std::vector<std::string>{"address focus"}));

        headless::Type(d, "not in a box"); // the focus is on a check box
        headless::Focus(d, IDC_JOIN_ADDRESS);
        headless::Type(d, "10.0.");
        headless::Type(d, "0.1");
        EXPECT_EQ(headless::Control(d, IDC_JOIN_ADDRESS).text, "10.0.0.1");

        probe.calls.clear();
        headless::Press(d, headless::Key::Enter); // in the box: the default push button
        headless::Focus(d, IDC_QUICK_JOIN);
        headless::Press(d, headless::Key::Enter); // on a push button: that one
        headless::Focus(d, IDC_DISPLAY_INTRO);
        headless::Press(d, headless::Key::Enter); // on a check box: the default push button
        EXPECT_EQ(probe.calls, (std::vector<std::string>{"start", "quick join", "start"}));
        EXPECT_EQ(headless::Control(d, IDC_DISPLAY_INTRO).check, 0);

        headless::Click(d, IDC_WINDOW_MODE); // hidden: out of the user's reach
        EXPECT_EQ(headless::Control(d, IDC_WINDOW_MODE).check, 0);
        EXPECT_EQ(headless::FocusedId(d), IDC_DISPLAY_INTRO);
    });
}

TEST_F(DialogTest, ADialogOnTopDisablesTheOneBelowUntilItCloses) {
    INT_PTR aboutResult = 0;
    Run([&](CDialog& d) {
        headless::QueueUser([&](CDialog& about) {
            EXPECT_EQ(headless::OpenDialogs(), (std::vector<CDialog*>{&d, &about}));
            headless::Click(d, IDC_START); // below: out of reach
            headless::Press(about, headless::Key::Enter);
        });
        CDialog about(IDD_ABOUTBOX);
        aboutResult = about.DoModal();
        EXPECT_EQ(headless::OpenDialogs(), (std::vector<CDialog*>{&d}));
        headless::Click(d, IDC_QUICK_JOIN);
    });
    EXPECT_EQ(aboutResult, IDOK);
    EXPECT_EQ(probe.calls, (std::vector<std::string>{"quick join", "syscommand 61536"}));
    EXPECT_TRUE(headless::OpenDialogs().empty());
}

TEST_F(DialogTest, TheWindowsOwnState) {
    Run([](CDialog& d) {
        CMenu* menu = d.GetSystemMenu(FALSE);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(d.GetSystemMenu(FALSE), menu);
        menu->AppendMenu(MF_SEPARATOR);
        menu->AppendMenu(MF_STRING, 0x10, "&About");
        const auto items = headless::SystemMenu(d);
        ASSERT_EQ(items.size(), 4u);
        EXPECT_EQ(items[1].id, 0xF060u); // Close, from the system
        EXPECT_EQ(items[2].flags, static_cast<UINT>(MF_SEPARATOR));
        EXPECT_EQ(items[3].flags, static_cast<UINT>(MF_STRING));
        EXPECT_EQ(items[3].id, 0x10u);
        EXPECT_EQ(items[3].text, "&About");
        EXPECT_EQ(d.GetSystemMenu(TRUE), nullptr);
        EXPECT_EQ(headless::SystemMenu(d).size(), 2u);

        CWnd* box = d.GetDlgItem(IDC_JOIN_ADDRESS);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(d.GetDlgItem(IDC_JOIN_ADDRESS), box);
        EXPECT_EQ(d.GetDlgItem(4242), nullptr);
        box->SetWindowText("text");
        CString text;
        box->GetWindowText(text);
        EXPECT_EQ(text, "text");
        EXPECT_TRUE(box->IsWindowVisible());
        EXPECT_TRUE(box->ShowWindow(SW_HIDE));
        EXPECT_FALSE(box->ShowWindow(SW_HIDE));
        EXPECT_FALSE(box->IsWindowVisible());
        EXPECT_FALSE(headless::Control(d, IDC_JOIN_ADDRESS).visible);
        EXPECT_FALSE(box->ShowWindow(SW_SHOWNORMAL));
        EXPECT_TRUE(box->IsWindowVisible());

        CWnd* start = d.GetDlgItem(IDC_START);
        start->SetCheck(1); // a push button has no check state
        EXPECT_EQ(start->GetCheck(), 0);

        CRect client;
        d.GetClientRect(&client);
        EXPECT_EQ(client.Width(), 402); // 268 by 186 dialog units
        EXPECT_EQ(client.Height(), 302);
        headless::SetClientSize(d, 36, 20);
        d.GetClientRect(&client);
        EXPECT_EQ(client.Width(), 36);
        EXPECT_EQ(client.Height(), 20);
        EXPECT_FALSE(d.IsIconic());
        headless::SetIconic(d, true);
        EXPECT_TRUE(d.IsIconic());

        const HICON icon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
        EXPECT_EQ(d.SetIcon(icon, TRUE), nullptr);
        EXPECT_EQ(d.SetIcon(icon, TRUE), icon);
        EXPECT_EQ(headless::BigIcon(d), icon);
        EXPECT_EQ(headless::SmallIcon(d), nullptr);
    });
}

TEST_F(DialogTest, PaintingIsRecorded) {
    Run([](CDialog& d) {
        const HICON icon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
        {
            CPaintDC dc(&d);
            EXPECT_NE(dc.GetSafeHdc(), nullptr);
            EXPECT_EQ(headless::Paints().begun, 1);
            EXPECT_EQ(headless::Paints().ended, 0);
            dc.DrawIcon(AfxGetSystemMetrics(SM_CXICON), AfxGetSystemMetrics(SM_CYICON), icon);
        }
        EXPECT_EQ(headless::Paints().ended, 1);
        const auto draws = headless::IconDraws();
        ASSERT_EQ(draws.size(), 1u);
        EXPECT_EQ(draws[0].x, 32);
        EXPECT_EQ(draws[0].y, 32);
        EXPECT_EQ(draws[0].icon, icon);
        headless::Paint(d); // nothing handles it here: the system paints as usual
        EXPECT_EQ(headless::Paints().begun, 1);
    });
}

} // namespace
