#include "framework/ReplaceFile.h"
#include "framework/headless/Headless.h"
#include "tests/hostile/HostileLaunch.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sys/inotify.h>
#include <unistd.h>

// A write that fails part way, at each step of replacing each of the four files a launch
// writes: the file stays as it was, the others become what they should, no temporary file is
// left behind and the game still starts.

namespace {

using headless::ReplaceStep;

const struct {
    const char* name;
    ReplaceStep step;
} kSteps[] = {
    {"create", ReplaceStep::Create}, {"write", ReplaceStep::Write},   {"flush", ReplaceStep::Flush},
    {"close", ReplaceStep::Close},   {"rename", ReplaceStep::Rename},
};

// The files in the order a launch replaces them.
const char* const kWritten[] = {"vk_unlockedheroes.xml", "options.xml", "vk_options.xml",
                                "modsset.txt"};

// Watches a folder for files made, written, removed and moved in while it lives.
class FolderWatch {
public:
    explicit FolderWatch(const std::filesystem::path& folder) : m_fd(inotify_init1(IN_NONBLOCK)) {
        inotify_add_watch(m_fd, folder.c_str(), IN_CREATE | IN_MODIFY | IN_DELETE | IN_MOVED_TO);
    }
    ~FolderWatch() { close(m_fd); }
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    // What happened since the watch began, as "create", "modify", "delete" and "move", each
    // once in the order first seen.
    std::vector<std::string> Seen() const {
        alignas(inotify_event) char buffer[16384];
        std::vector<std::string> seen;
        const ssize_t size = read(m_fd, buffer, sizeof buffer);
        for (ssize_t at = 0; at < size;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            const char* what = (event->mask & IN_CREATE)   ? "create"
                               : (event->mask & IN_MODIFY) ? "modify"
                               : (event->mask & IN_DELETE) ? "delete"
                                                           : "move";
            if (std::find(seen.begin(), seen.end(), what) == seen.end()) {
                seen.push_back(what);
            }
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
        return seen;
    }

private:
    int m_fd;
};

TEST(InterruptedWrite, EachStepFailsTheWayTheSystemWould) {
    using Seen = std::vector<std::string>;
    const Seen written = {"create", "modify", "delete"};
    const Seen expected[] = {{}, written, written, written, written};
    TempFolder folder;
    const auto target = folder.Path() / "target.xml";
    const CString path(folder.Path().string() + "\\target.xml");
    for (std::size_t i = 0; i < std::size(kSteps); ++i) {
        SCOPED_TRACE(kSteps[i].name);
        headless::Reset();
        WriteBytes(target, "before");
        headless::FailReplace(2, kSteps[i].step);
        EXPECT_TRUE(AfxReplaceFile(path, "first"));
        const FolderWatch watch(folder.Path());
        EXPECT_FALSE(AfxReplaceFile(path, "second, which is long enough to be cut"));
        EXPECT_EQ(watch.Seen(), expected[i]);
        EXPECT_EQ(FilesIn(folder.Path()), (Files{{"target.xml", "first"}}));
        EXPECT_TRUE(AfxReplaceFile(path, "third"));
        EXPECT_EQ(FilesIn(folder.Path()), (Files{{"target.xml", "third"}}));
    }
}

TEST(InterruptedWrite, ALaunchInterruptedAnywhereLeavesEveryFileWhole) {
    const struct {
        const char* name;
        bool earlierFiles; // the mod's own two files are there from an earlier launch
    } launches[] = {{"the first launch", false}, {"a later launch", true}};
    const Files after = FilesAfterAPlainLaunch();
    int cases = 0;
    int whole = 0;
    int started = 0;
    for (const auto& launch : launches) {
        SCOPED_TRACE(launch.name);
        for (int call = 1; call <= 4; ++call) {
            for (const auto& step : kSteps) {
                const std::string failing = kWritten[call - 1];
                SCOPED_TRACE(failing + " at " + step.name);
                ++cases;
                GameInstallation game;
                PrepareFiles(game);
                if (!launch.earlierFiles) {
                    std::filesystem::remove(game.GameFolder() / "vk_unlockedheroes.xml");
                    std::filesystem::remove(game.GameFolder() / "modsset.txt");
                }
                const Files before = FilesOf(game);
                headless::FailReplace(call, step.step);

                LaunchAndStart();

                Files expected = after;
                expected[failing] = before.at(failing);
                const bool asExpected = FilesOf(game) == expected && TemporaryFiles(game).empty();
                EXPECT_EQ(FilesOf(game), expected);
                EXPECT_EQ(TemporaryFiles(game), std::vector<std::string>{});
                EXPECT_TRUE(GameStarted());
                EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
                whole += asExpected ? 1 : 0;
                started += GameStarted() ? 1 : 0;
            }
        }
    }
    std::cout << "interrupted writes: " << cases << " cases: " << whole
              << " left every file whole and no temporary file, " << started
              << " started the game\n";
}

} // namespace
