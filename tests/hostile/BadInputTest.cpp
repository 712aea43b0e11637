#include "framework/headless/Headless.h"
#include "launcher/Velkan LauncherDlg.h"
#include "resource.h"
#include "tests/hostile/HostileLaunch.h"
#include "tests/support/GameInstallation.h"

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <random>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

// Hostile and broken inputs, each with what the launcher must do with it: read what it can,
// say "Document FAILED to load!" where it cannot, never crash, never lose a file, and still
// start the game. Each case runs the whole program, from start-up to a press of Start. How
// single documents are read is tested in tests/settings/OptionsReaderTest.cpp and
// tests/framework/XmlDocumentTest.cpp; how the registered path is taken apart in
// tests/launcher/StartUpTest.cpp.

namespace {

enum class Role { GameOptions, ModOptions };
enum class Outcome { Read, Refused };

struct DocumentCase {
    const char* name;
    Role role;
    std::string bytes;
    Outcome outcome;
    std::string line; // a line that the rewritten file holds; empty when none in particular
};

std::string Utf16(const std::u16string& text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

std::string Garbage(std::size_t size) {
    std::mt19937 random(4711);
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    return bytes;
}

std::string Repeat(const std::string& text, int count) {
    std::string repeated;
    for (int i = 0; i < count; ++i) {
        repeated += text;
    }
    return repeated;
}

// A game options file as the game writes it, to be cut short.
const std::string kRealistic = "<OptionsFile>\r\n"
                               "\t<Gameplay>\r\n"
                               "\t\t<BloodOn>TRUE</BloodOn>\r\n"
                               "\t</Gameplay>\r\n"
                               "\t<PlayerName>Kestrel</PlayerName>\r\n"
                               "</OptionsFile>\r\n";

std::string CutBefore(const std::string& text, const std::string& marker) {
    return text.substr(0, text.find(marker));
}

const std::string kTenMegabytes(10 * 1024 * 1024, 'x');

std::string BillionLaughs() {
    std::string doctype = "<!DOCTYPE OptionsFile [<!ENTITY a0 \"ha\">";
    for (int i = 1; i <= 9; ++i) {
        doctype += "<!ENTITY a" + std::to_string(i) + " \"" +
                   Repeat("&a" + std::to_string(i - 1) + ";", 10) + "\">";
    }
    return doctype + "]><OptionsFile><MOTD>&a9;</MOTD></OptionsFile>";
}

std::vector<DocumentCase> DocumentCases() {
    const auto game = Role::GameOptions;
    const auto mod = Role::ModOptions;
    const auto read = Outcome::Read;
    const auto refused = Outcome::Refused;
    const std::string player = "\t<PlayerName>Caf\xE9 \x80</PlayerName>\r\n";
    // Read document by document in OptionsReaderTest: 100 000 siblings, nesting 100 000 deep,
    // names that differ in case only and an external entity.
    return {
        {"an empty file", game, "", refused, ""},
        {"white space only", game, " \r\n\t\r\n", refused, ""},
        {"a UTF-8 byte order mark", game,
         "\xEF\xBB\xBF<OptionsFile><PlayerName>Caf\xC3\xA9 \xE2\x82\xAC</PlayerName></OptionsFile>",
         read, player},
        {"a UTF-8 byte order mark and nothing else", game, "\xEF\xBB\xBF", refused, ""},
        {"UTF-16 LE with its byte order mark", game,
         Utf16(u"<OptionsFile><PlayerName>Caf\u00E9 \u20AC</PlayerName></OptionsFile>", false),
         read, player},
        {"UTF-16 BE with its byte order mark", game,
         Utf16(u"<OptionsFile><PlayerName>Caf\u00E9 \u20AC</PlayerName></OptionsFile>", true), read,
         player},
        {"UTF-16 with a byte order mark and nothing else", game, "\xFF\xFE", refused, ""},
        // The half character at the end is dropped, as an incomplete one is.
        {"an odd number of bytes in UTF-16", game,
         Utf16(u"<OptionsFile><PlayerName>Kestrel</PlayerName></OptionsFile>", false) + "<", read,
         "\t<PlayerName>Kestrel</PlayerName>\r\n"},
        {"declared ISO-8859-1", game,
         "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>"
         "<OptionsFile><PlayerName>Caf\xE9 \xA4</PlayerName></OptionsFile>",
         read, "\t<PlayerName>Caf\xE9 \xA4</PlayerName>\r\n"},
        {"declared windows-1252", game,
         "<?xml version=\"1.0\" encoding=\"windows-1252\"?>"
         "<OptionsFile><PlayerName>Caf\xE9 \x80</PlayerName></OptionsFile>",
         read, player},
        {"declared UTF-8 with bytes that are not UTF-8", game,
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><OptionsFile><PlayerName>Caf\xE9"
         "</PlayerName></OptionsFile>",
         refused, ""},
        {"declared in an encoding nobody knows", game,
         "<?xml version=\"1.0\" encoding=\"x-velkan\"?><OptionsFile/>", refused, ""},
        {"cut short in a start tag", game, CutBefore(kRealistic, "Name>Kestrel"), refused, ""},
        {"cut short in a value", game, CutBefore(kRealistic, "strel"), refused, ""},
        {"cut short before the root's end tag", game, CutBefore(kRealistic, "</OptionsFile>"),
         refused, ""},
        {"binary garbage", game, Garbage(4096), refused, ""},
        {"a NUL byte in a value", game,
         std::string("<OptionsFile><PlayerName>a\0b</PlayerName></OptionsFile>", 55), refused, ""},
        {"a control character by reference", game,
         "<OptionsFile><PlayerName>&#1;</PlayerName></OptionsFile>", refused, ""},
        {"a carriage return by reference", game,
         "<OptionsFile><PlayerName>a&#13;b</PlayerName></OptionsFile>", read,
         "\t<PlayerName>a\rb</PlayerName>\r\n"},
        {"two root elements", game, "<OptionsFile/><OptionsFile/>", refused, ""},
        {"text after the root", game, "<OptionsFile/>trailing", refused, ""},
        {"a value of 10 MB", game,
         "<OptionsFile><PlayerName>" + kTenMegabytes + "</PlayerName></OptionsFile>", read,
         "\t<PlayerName>" + kTenMegabytes + "</PlayerName>\r\n"},
        {"an attribute of 10 MB in stored markup", game,
         "<OptionsFile><Graphics><VideoResolution Width=\"" + kTenMegabytes +
             "\"/></Graphics></OptionsFile>",
         refused, ""},
        {"an element name of 100 000 characters", game,
         "<OptionsFile><" + std::string(100000, 'n') + "/></OptionsFile>", refused, ""},
        {"sections a hundred deep", game,
         "<OptionsFile>" + Repeat("<Sound>", 100) + "<PlayerName>deep</PlayerName>" +
             Repeat("</Sound>", 100) + "</OptionsFile>",
         read, "\t<PlayerName>deep</PlayerName>\r\n"},
        {"recursive entities (billion laughs)", game, BillionLaughs(), refused, ""},
        {"an entity that names itself", game,
         "<!DOCTYPE OptionsFile [<!ENTITY e \"&e;\">]><OptionsFile><MOTD>&e;</MOTD></OptionsFile>",
         refused, ""},
        {"an external document type", game,
         "<!DOCTYPE OptionsFile SYSTEM \"http://example.invalid/options.dtd\"><OptionsFile/>",
         refused, ""},
        {"a mod options file in UTF-16", mod,
         Utf16(u"<VKOptionsFile><FirstRun>FALSE</FirstRun></VKOptionsFile>", false), read,
         "\t<FirstRun>FALSE</FirstRun>\r\n"},
        {"a mod options file cut short", mod, "<VKOptionsFile><FirstRun>FAL", refused,
         "\t<FirstRun></FirstRun>\r\n"},
        {"a mod options file of binary garbage", mod, Garbage(512), refused,
         "\t<FirstRun></FirstRun>\r\n"},
    };
}

TEST(HostileInput, DocumentsAreReadOrRefusedWithAMessage) {
    int reads = 0;
    int refusals = 0;
    const auto cases = DocumentCases();
    for (const DocumentCase& test : cases) {
        SCOPED_TRACE(test.name);
        GameInstallation game;
        const bool asGame = test.role == Role::GameOptions;
        game.WriteGameOptions(asGame ? test.bytes : kGameOptions);
        game.WriteModOptions(asGame ? kModOptionsAfterFirstRun : test.bytes);

        LaunchAndStart();

        const auto boxes = BoxTexts();
        const Outcome outcome = boxes.empty() ? Outcome::Read : Outcome::Refused;
        (outcome == Outcome::Read ? reads : refusals) += 1;
        EXPECT_EQ(outcome, test.outcome);
        if (test.outcome == Outcome::Refused) {
            EXPECT_EQ(boxes, std::vector<std::string>{kFailedLoad});
        }
        EXPECT_TRUE(GameStarted());
        EXPECT_EQ(TemporaryFiles(game), std::vector<std::string>{});

        const std::string options = ReadBytes(game.GameFolder() / "options.xml");
        const std::string modOptions = ReadBytes(game.ModFolder() / "vk_options.xml");
        EXPECT_TRUE(IsWholeModOptions(modOptions)) << modOptions.substr(0, 200);
        if (asGame && test.outcome == Outcome::Refused) {
            EXPECT_TRUE(options == test.bytes) << "a file that did not load is left as it was";
        } else {
            EXPECT_TRUE(IsWholeGameOptions(options)) << options.substr(0, 200);
        }
        if (!test.line.empty()) {
            EXPECT_NE((asGame ? options : modOptions).find(test.line), std::string::npos);
        }
    }
    std::cout << "hostile documents: " << cases.size() << " cases: " << reads << " read, "
              << refusals << " refused with a message\n";
}

// The registered path of the game, as the installer or the player left it.
struct RegistryCase {
    const char* name;
    // The folder to install the game in, under a temporary folder; empty for none.
    std::string folder;
    // The bytes of the registry value, made from the temporary folder's path.
    std::function<std::string(const std::string& root)> value;
    DWORD type;
    bool launches; // otherwise nothing is found: two load failures and the expansions' stop
};

constexpr DWORD kRegSz = 1;
constexpr DWORD kRegExpandSz = 2;
constexpr DWORD kRegDword = 4;

// A folder name that makes the path under root exactly `length` characters long.
std::string NameForLength(const std::string& root, std::size_t length) {
    return std::string(length - root.size() - 1, 'g');
}

TEST(HostileInput, RegisteredPathsAreUsedOrFindNothing) {
    TempFolder temp;
    const std::string root = temp.Path().string();
    const std::string deep =
        std::string(150, 'a') + "/" + std::string(300 - root.size() - 152, 'b');
    const auto path = [](const std::string& folder) {
        return [folder](const std::string& base) { return base + "/" + folder + '\0'; };
    };
    const RegistryCase cases[] = {
        {"a path of 254 characters", NameForLength(root, 254), path(NameForLength(root, 254)),
         kRegSz, true},
        {"a path of 300 characters", deep, path(deep), kRegSz, false},
        {"blanks at both ends", " Ghost Recon ", path(" Ghost Recon "), kRegSz, true},
        {"characters beyond ASCII", "Spi\xE9le \x80", path("Spi\xE9le \x80"), kRegSz, true},
        {"a trailing backslash", "GR",
         [](const std::string& base) { return base + "/GR\\" + '\0'; }, kRegSz, true},
        {"a text of another type", "GR", path("GR"), kRegExpandSz, true},
        {"a number", "GR", [](const std::string&) { return std::string("\x01\0\0\0", 4); },
         kRegDword, false},
        {"a folder that does not exist", "", path("Missing"), kRegSz, false},
    };
    int launched = 0;
    for (const RegistryCase& test : cases) {
        SCOPED_TRACE(test.name);
        headless::Reset();
        const auto folder = temp.Path() / test.folder;
        if (!test.folder.empty()) {
            std::filesystem::remove_all(folder);
            InstallGame(folder, kGameOptions, kModOptionsAfterFirstRun);
        }
        const std::string registered = test.value(root);
        headless::SetRegistryValue(kAppPathsKey, "Path", registered, test.type);
        const Files before = test.folder.empty() ? Files{} : FilesIn(folder);

        LaunchAndStart();

        const auto& starts = headless::ProcessStarts();
        launched += GameStarted() ? 1 : 0;
        if (test.launches) {
            EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
            ASSERT_EQ(starts.size(), 2u);
            const std::string gamePath = registered.substr(0, registered.find('\0')) + "\\";
            EXPECT_EQ(starts[1].commandLine, "\"" + gamePath + "ghostrecon.exe\"");
            EXPECT_EQ(starts[1].workingFolder, gamePath);
            EXPECT_TRUE(IsWholeGameOptions(ReadBytes(folder / "options.xml")));
            EXPECT_TRUE(IsWholeModOptions(ReadBytes(folder / "Mods/Velkan/vk_options.xml")));
        } else {
            EXPECT_EQ(BoxTexts(),
                      (std::vector<std::string>{kFailedLoad, kFailedLoad, kExpansionsMissing}));
            EXPECT_TRUE(starts.empty());
            if (!test.folder.empty()) {
                EXPECT_EQ(FilesIn(folder), before);
            }
        }
        EXPECT_FALSE(std::filesystem::exists(temp.Path() / "Missing"));
    }
    std::cout << "registered paths: " << std::size(cases) << " cases: " << launched
              << " started the game, " << std::size(cases) - launched << " did not\n";
}

// What a launch leaves when the installation is not as the launcher expects it.
struct FilesCase {
    const char* name;
    std::function<void(const GameInstallation&)> prepare;
    // The files, by name in the game or mod folder, that stay as they were; every other one
    // becomes what a launch makes of it.
    std::function<std::set<std::string>(const GameInstallation&)> kept;
    std::function<int(const GameInstallation&)> loadFailures;
};

void ReadOnly(const std::filesystem::path& path) {
    chmod(path.c_str(), S_ISDIR(Status(path).st_mode) ? 0555 : 0444);
}

bool Writable(const std::filesystem::path& folder) {
    return access(folder.c_str(), W_OK) == 0;
}

TEST(HostileInput, FilesAndFoldersInTheWayAreLeftWhole) {
    const auto noFailure = [](const GameInstallation&) { return 0; };
    const auto oneFailure = [](const GameInstallation&) { return 1; };
    const auto fixed = [](std::set<std::string> names) {
        return [names](const GameInstallation&) { return names; };
    };
    const FilesCase cases[] = {
        // A read-only options.xml:
        // LaunchTest.AReadOnlyOptionsFileStaysAsItWasAndTheGameStillStarts.
        {"a read-only mod options file",
         [](const GameInstallation& game) { ReadOnly(game.ModFolder() / "vk_options.xml"); },
         fixed({"vk_options.xml"}), noFailure},
        {"read-only files of the mod in the game folder",
         [](const GameInstallation& game) {
             ReadOnly(game.GameFolder() / "vk_unlockedheroes.xml");
             ReadOnly(game.GameFolder() / "modsset.txt");
         },
         fixed({"vk_unlockedheroes.xml", "modsset.txt"}), noFailure},
        {"an options file that nobody may read",
         [](const GameInstallation& game) {
             chmod((game.GameFolder() / "options.xml").c_str(), 0);
         },
         fixed({"options.xml"}),
         [](const GameInstallation& game) {
             // Only a user without the right to read it fails to load it.
             return access((game.GameFolder() / "options.xml").c_str(), R_OK) == 0 ? 0 : 1;
         }},
        {"a folder in the place of options.xml",
         [](const GameInstallation& game) {
             std::filesystem::remove(game.GameFolder() / "options.xml");
             std::filesystem::create_directory(game.GameFolder() / "options.xml");
         },
         fixed({"options.xml"}), oneFailure},
        {"a folder in the place of vk_options.xml",
         [](const GameInstallation& game) {
             std::filesystem::remove(game.ModFolder() / "vk_options.xml");
             std::filesystem::create_directory(game.ModFolder() / "vk_options.xml");
         },
         fixed({"vk_options.xml"}), oneFailure},
        {"a folder in the place of modsset.txt",
         [](const GameInstallation& game) {
             std::filesystem::remove(game.GameFolder() / "modsset.txt");
             std::filesystem::create_directory(game.GameFolder() / "modsset.txt");
         },
         fixed({"modsset.txt"}), noFailure},
        // The read-only attribute of a folder does not stop the system from writing in it; only
        // a user without the right to write there keeps its files as they were.
        {"a read-only game folder",
         [](const GameInstallation& game) { ReadOnly(game.GameFolder()); },
         [](const GameInstallation& game) {
             return Writable(game.GameFolder())
                        ? std::set<std::string>{}
                        : std::set<std::string>{"vk_unlockedheroes.xml", "options.xml",
                                                "modsset.txt"};
         },
         noFailure},
        {"a read-only mod folder", [](const GameInstallation& game) { ReadOnly(game.ModFolder()); },
         [](const GameInstallation& game) {
             return Writable(game.ModFolder()) ? std::set<std::string>{}
                                               : std::set<std::string>{"vk_options.xml"};
         },
         noFailure},
        // A missing mod folder: LaunchTest.AMissingModFolderIsSkippedSilently; a missing options
        // file: StartUpTest.MissingFilesAreReportedAndTheWindowStillOpens.
    };
    const Files launched = FilesAfterAPlainLaunch();
    int files = 0;
    int unchanged = 0;
    for (const FilesCase& test : cases) {
        SCOPED_TRACE(test.name);
        GameInstallation game;
        PrepareFiles(game);
        test.prepare(game);
        const Files before = FilesOf(game);
        const std::set<std::string> kept = test.kept(game);

        LaunchAndStart();

        EXPECT_EQ(BoxTexts(), std::vector<std::string>(
                                  static_cast<std::size_t>(test.loadFailures(game)), kFailedLoad));
        EXPECT_TRUE(GameStarted());
        EXPECT_EQ(TemporaryFiles(game), std::vector<std::string>{});
        const Files after = FilesOf(game);
        for (const auto& [name, bytes] : launched) {
            SCOPED_TRACE(name);
            EXPECT_EQ(after.at(name), kept.count(name) != 0 ? before.at(name) : bytes);
            ++files;
            unchanged += after.at(name) == before.at(name) ? 1 : 0;
        }
    }
    std::cout << "files and folders in the way: " << std::size(cases) << " cases, " << files
              << " files: " << unchanged << " left as they were, " << files - unchanged
              << " rewritten\n";
}

} // namespace
