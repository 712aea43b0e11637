#include "framework/FileFind.h"
#include "framework/ReplaceFile.h"
#include "framework/headless/Headless.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>

namespace {

class FileSystemTest : public ::testing::Test {
protected:
    void SetUp() override { headless::Reset(); }

    // A path in the temporary folder as the program writes it: a backslash before the name.
    CString WindowsPath(const std::string& name) const {
        return CString(folder.Path().string() + "\\" + name);
    }

    std::set<std::string> Entries() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    TempFolder folder;
};

TEST_F(FileSystemTest, ReplacingWritesExactlyTheBytesGiven) {
    const std::string bytes("<a>\r\n\tx\xE9\0y\r\n</a>\r\n", 17);
    EXPECT_TRUE(AfxReplaceFile(WindowsPath("new.xml"), bytes));
    EXPECT_EQ(ReadBytes(folder.Path() / "new.xml"), bytes);

    WriteBytes(folder.Path() / "old.xml", std::string(1000, 'o'));
    chmod((folder.Path() / "old.xml").c_str(), 0640);
    EXPECT_TRUE(AfxReplaceFile(WindowsPath("old.xml"), "short\r\n"));
    EXPECT_EQ(ReadBytes(folder.Path() / "old.xml"), "short\r\n");
    struct stat status {};
    ASSERT_EQ(stat((folder.Path() / "old.xml").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);

    EXPECT_EQ(Entries(), (std::set<std::string>{"new.xml", "old.xml"}));
    EXPECT_EQ(headless::Events(),
              (std::vector<std::string>{"replace: " + WindowsPath("new.xml").Bytes(),
                                        "replace: " + WindowsPath("old.xml").Bytes()}));
}

TEST_F(FileSystemTest, AFailedReplaceLeavesEverythingAsItWas) {
    WriteBytes(folder.Path() / "locked.xml", "locked");
    chmod((folder.Path() / "locked.xml").c_str(), 0444);
    std::filesystem::create_directory(folder.Path() / "folder.xml");
    const struct {
        const char* name;
        CString path;
    } cases[] = {
        {"a read-only target", WindowsPath("locked.xml")},
        {"a missing folder", WindowsPath("missing\\new.xml")},
        {"a folder in the target's place", WindowsPath("folder.xml")},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_FALSE(AfxReplaceFile(test.path, "new bytes"));
        EXPECT_EQ(Entries(), (std::set<std::string>{"folder.xml", "locked.xml"}));
    }
    EXPECT_EQ(ReadBytes(folder.Path() / "locked.xml"), "locked");
    EXPECT_TRUE(headless::Events().empty());
}

TEST_F(FileSystemTest, FindingAnEntryOfAnyKind) {
    WriteBytes(folder.Path() / "file", "x");
    std::filesystem::create_directory(folder.Path() / "MP1");
    const struct {
        CString name;
        BOOL found;
    } cases[] = {
        {WindowsPath("file"), TRUE},   {WindowsPath("MP1"), TRUE}, {WindowsPath("MP2"), FALSE},
        {WindowsPath("MP1\\"), FALSE}, // a name ending with a separator names nothing
        {CString(""), FALSE},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name.Bytes());
        CFileFind finder;
        EXPECT_EQ(finder.FindFile(test.name), test.found);
    }
}

} // namespace
