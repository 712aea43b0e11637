#include "framework/Process.h"
#include "framework/WinApp.h"
#include "framework/headless/Headless.h"

#include <gtest/gtest.h>

namespace {

TEST(Records, ProcessesSleepsAndBoxesAreKeptInOrder) {
    headless::Reset();
    EXPECT_TRUE(AfxStartProcess("\"C:\\GR\\run.bat\"", SW_HIDE, "C:\\GR\\"));
    AfxSleep(3000);
    EXPECT_EQ(AfxMessageBox("Careful"), IDOK);
    EXPECT_EQ(AfxCoInitialize(), 0);
    EXPECT_TRUE(AfxOleInit());

    EXPECT_EQ(headless::Events(),
              (std::vector<std::string>{"start: \"C:\\GR\\run.bat\"", "sleep: 3000", "box: Careful",
                                        "coinit", "oleinit"}));
    ASSERT_EQ(headless::ProcessStarts().size(), 1u);
    EXPECT_EQ(headless::ProcessStarts()[0].commandLine, "\"C:\\GR\\run.bat\"");
    EXPECT_EQ(headless::ProcessStarts()[0].show, SW_HIDE);
    EXPECT_EQ(headless::ProcessStarts()[0].workingFolder, "C:\\GR\\");
    EXPECT_EQ(headless::Sleeps(), (std::vector<DWORD>{3000}));

    headless::Reset();
    EXPECT_TRUE(headless::Events().empty());
    EXPECT_TRUE(headless::ProcessStarts().empty());
    EXPECT_TRUE(headless::MessageBoxes().empty());
    EXPECT_FALSE(headless::ControlContainerEnabled());
    AfxEnableControlContainer();
    EXPECT_TRUE(headless::ControlContainerEnabled());
}

TEST(Records, TheApplicationsBoxesTakeItsNameAndAnIcon) {
    const struct {
        UINT type;
        UINT shown;
    } cases[] = {
        {MB_OK, MB_OK | MB_ICONEXCLAMATION},
        {MB_ICONSTOP, MB_ICONSTOP},
        {MB_ICONEXCLAMATION, MB_ICONEXCLAMATION},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.type);
        headless::Reset();
        AfxMessageBox("text", test.type);
        ASSERT_EQ(headless::MessageBoxes().size(), 1u);
        const auto& box = headless::MessageBoxes()[0];
        EXPECT_EQ(box.owner, nullptr); // no window is open
        EXPECT_EQ(box.text, "text");
        EXPECT_EQ(box.caption, "Velkan Launcher");
        EXPECT_EQ(box.type, test.shown);
    }
}

TEST(Records, AWindowsBoxIsOwnedByItAndCaptionedAsAsked) {
    headless::Reset();
    headless::QueueUser([](CDialog& dialog) {
        dialog.MessageBox("one");
        dialog.MessageBox("two", "Title", MB_ICONSTOP);
        AfxMessageBox("three");
    });
    CDialog dialog(102);
    dialog.DoModal();
    const auto& boxes = headless::MessageBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_NE(boxes[0].owner, nullptr);
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(boxes[1].caption, "Title");
    EXPECT_EQ(boxes[1].type, static_cast<UINT>(MB_ICONSTOP));
    // A box of the application belongs to the window that is open.
    EXPECT_EQ(boxes[2].owner, boxes[0].owner);
}

} // namespace
