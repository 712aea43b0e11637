#include "tests/hostile/HostileLaunch.h"

#include "framework/headless/Headless.h"
#include "launcher/Velkan LauncherDlg.h"
#include "resource.h"

const char* const kFailedLoad = "Document FAILED to load!";
const char* const kExpansionsMissing =
    "Velkan requires both Desert Siege and Island Thunder expansions for Ghost Recon\n"
    "to be installed prior to playing it.  Please install and try again.";
const char* const kAppPathsKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\GhostRecon.exe";
const std::string kGameOptions = "<OptionsFile><Gameplay><BloodOn>TRUE</BloodOn></Gameplay>"
                                 "<PlayerName>Kestrel</PlayerName></OptionsFile>";
// Every switch off, as a mod options file that cannot be read leaves them, so that the game
// options file comes out the same either way.
const std::string kModOptionsAfterFirstRun =
    "<VKOptionsFile><FirstRun>FALSE</FirstRun><DoIntro>FALSE</DoIntro>"
    "<WindowMode>FALSE</WindowMode><ShowFPSRate>FALSE</ShowFPSRate></VKOptionsFile>";

void LaunchAndStart() {
    CLauncherDlg dlg;
    headless::QueueUser([](CDialog& d) { headless::Click(d, IDC_START); });
    dlg.DoModal();
}

std::vector<std::string> BoxTexts() {
    std::vector<std::string> texts;
    for (const auto& box : headless::MessageBoxes()) {
        texts.push_back(box.text);
    }
    return texts;
}

bool GameStarted() {
    const auto& starts = headless::ProcessStarts();
    return starts.size() == 2 && starts[1].commandLine.find("ghostrecon.exe") != std::string::npos;
}

std::vector<std::string> TemporaryFiles(const GameInstallation& game) {
    std::vector<std::string> names;
    for (const auto& folder : {game.GameFolder(), game.ModFolder()}) {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
            const std::string name = entry.path().filename().string();
            if (name.find(".tmp") != std::string::npos) {
                names.push_back(name);
            }
        }
    }
    return names;
}

namespace {

bool StartsAndEndsWith(const std::string& bytes, const std::string& first,
                       const std::string& last) {
    return bytes.compare(0, first.size(), first) == 0 && bytes.size() >= last.size() &&
           bytes.compare(bytes.size() - last.size(), last.size(), last) == 0;
}

} // namespace

bool IsWholeGameOptions(const std::string& bytes) {
    return StartsAndEndsWith(bytes, "<OptionsFile>\r\n\t<MouseRadiansPerPixel>",
                             "</PlayerName>\r\n</OptionsFile>\r\n");
}

bool IsWholeModOptions(const std::string& bytes) {
    return StartsAndEndsWith(bytes, "<VKOptionsFile>\r\n\t<FirstRun>",
                             "</ShowFPSRate>\r\n</VKOptionsFile>\r\n");
}

void InstallGame(const std::filesystem::path& folder, const std::string& gameOptions,
                 const std::string& modOptions) {
    std::filesystem::create_directories(folder / "Mods" / "Velkan");
    std::filesystem::create_directories(folder / "Mods" / "MP1");
    std::filesystem::create_directories(folder / "Mods" / "MP2");
    WriteBytes(folder / "options.xml", gameOptions);
    WriteBytes(folder / "Mods" / "Velkan" / "vk_options.xml", modOptions);
}

struct stat Status(const std::filesystem::path& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        status = {};
    }
    return status;
}

Files FilesIn(const std::filesystem::path& folder) {
    Files files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().lexically_relative(folder).string();
        files[name] = entry.is_directory() ? "<folder>" : ReadBytes(entry.path());
    }
    return files;
}

namespace {

std::string Entry(const std::filesystem::path& path) {
    if (std::filesystem::is_directory(path)) {
        return "<folder>";
    }
    return std::filesystem::exists(path) ? ReadBytes(path) : "<none>";
}

} // namespace

Files FilesOf(const GameInstallation& game) {
    return {{"vk_unlockedheroes.xml", Entry(game.GameFolder() / "vk_unlockedheroes.xml")},
            {"options.xml", Entry(game.GameFolder() / "options.xml")},
            {"vk_options.xml", Entry(game.ModFolder() / "vk_options.xml")},
            {"modsset.txt", Entry(game.GameFolder() / "modsset.txt")}};
}

void PrepareFiles(const GameInstallation& game) {
    game.WriteGameOptions(kGameOptions);
    game.WriteModOptions(kModOptionsAfterFirstRun);
    WriteBytes(game.GameFolder() / "vk_unlockedheroes.xml", "<UnlockedHeroes/>\r\n");
    WriteBytes(game.GameFolder() / "modsset.txt", "// an earlier list\r\n");
}

Files FilesAfterAPlainLaunch() {
    const GameInstallation game;
    PrepareFiles(game);
    LaunchAndStart();
    return FilesOf(game);
}
