#include "framework/WinApp.h"
#include "framework/headless/Headless.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace {

struct ExpectedControl {
    int id;
    const char* className;
    const char* text;
    DWORD style;
    DWORD exStyle;
    int x, y, cx, cy;
};

// The controls of a dialog template as the user finds them once the dialog is open.
std::vector<headless::ControlView> OpenAndLook(UINT templateId, std::string& caption) {
    std::vector<headless::ControlView> controls;
    headless::QueueUser([&](CDialog& dialog) {
        controls = headless::Controls(dialog);
        caption = headless::Caption(dialog);
    });
    CDialog dialog(templateId);
    dialog.DoModal();
    return controls;
}

void ExpectControls(const std::vector<headless::ControlView>& controls,
                    const std::vector<ExpectedControl>& expected) {
    ASSERT_EQ(controls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("control " + std::to_string(i + 1));
        const auto& control = controls[i];
        EXPECT_EQ(control.id, expected[i].id);
        EXPECT_EQ(control.className, expected[i].className);
        EXPECT_EQ(control.text, expected[i].text);
        EXPECT_EQ(control.style, expected[i].style);
        EXPECT_EQ(control.exStyle, expected[i].exStyle);
        EXPECT_TRUE(control.visible);
        EXPECT_TRUE(control.enabled);
        EXPECT_EQ(control.check, 0);
        EXPECT_EQ(control.x, expected[i].x);
        EXPECT_EQ(control.y, expected[i].y);
        EXPECT_EQ(control.cx, expected[i].cx);
        EXPECT_EQ(control.cy, expected[i].cy);
    }
}

TEST(ResourceScript, TheLauncherTemplateHasItsTenControlsInOrder) {
    headless::Reset();
    std::string caption;
    const auto controls = OpenAndLook(IDD_LAUNCHER_DIALOG, caption);
    EXPECT_EQ(caption, "Velkan Launcher");
    // Every control is a visible child window (0x50000000) besides the styles it names.
    ExpectControls(controls,
                   {
                       {1011, "Button", "Start", 0x50018F01, 0x20, 109, 136, 50, 14},
                       {-1, "Static", "", 0x5000020E, 0, 0, 0, 268, 185},
                       {1004, "Button", "Display Intro Movie", 0x50011003, 0x20, 10, 112, 76, 15},
                       {1005, "Button", "Run in Window Mode", 0x50011003, 0x20, 92, 112, 85, 15},
                       {1006, "Button", "Show Frame Rate", 0x50011003, 0x20, 185, 112, 73, 15},
                       {1007, "Button", "Quick Join", 0x50018000, 0, 23, 162, 50, 14},
                       {1008, "Button", "Quick Server", 0x50018000, 0, 192, 162, 50, 14},
                       {1010, "Edit", "", 0x50810000, 0, 79, 163, 85, 12},
                       {-1, "Button", "", 0x50008007, 0, 10, 152, 167, 29},
                       {-1, "Button", "", 0x50008007, 0, 177, 152, 81, 29},
                   });
}

TEST(ResourceScript, TheAboutTemplateTakesItsTextFromTheVersionHeader) {
    headless::Reset();
    std::string caption;
    const auto controls = OpenAndLook(IDD_ABOUTBOX, caption);
    EXPECT_EQ(caption, "About Velkan Launcher");
    ExpectControls(controls,
                   {
                       {-1, "Static", "", 0x50000003, 0, 11, 17, 21, 20},
                       {-1, "Static", "Velkan Launcher Version 1.0", 0x50020080, 0, 40, 10, 119, 8},
                       {IDOK, "Button", "OK", 0x50030001, 0, 199, 7, 50, 14},
                   });
}

TEST(ResourceScript, ATemplateTheProgramLacksCannotBeOpened) {
    headless::Reset();
    bool userSawIt = false;
    headless::QueueUser([&](CDialog&) { userSawIt = true; });
    CDialog dialog(999);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_FALSE(userSawIt);
}

TEST(ResourceScript, StringsComeFromTheStringTable) {
    CString text("left over");
    EXPECT_TRUE(text.LoadString(IDS_ABOUTBOX));
    EXPECT_EQ(text, "&About Velkan Launcher...");
    EXPECT_FALSE(text.LoadString(102));
    EXPECT_EQ(text, "");
}

TEST(ResourceScript, OnlyIconResourcesGiveIcons) {
    const CWinApp* app = AfxGetApp();
    ASSERT_NE(app, nullptr);
    const HICON icon = app->LoadIcon(IDR_MAINFRAME);
    EXPECT_NE(icon, nullptr);
    EXPECT_EQ(app->LoadIcon(IDR_MAINFRAME), icon);
    EXPECT_EQ(app->LoadIcon(IDB_BACKGROUND), nullptr);
    EXPECT_EQ(app->LoadIcon(IDD_ABOUTBOX), nullptr);
}

} // namespace
