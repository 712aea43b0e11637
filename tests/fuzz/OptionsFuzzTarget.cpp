#include "framework/Utf8.h"
#include "framework/headless/Headless.h"
#include "launcher/Velkan LauncherDlg.h"
#include "settings/OptionsFiles.h"
#include "tests/support/SettingsDump.h"
#include "tests/support/TempFolder.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

// One input is one options file: the launcher loads it into a fresh dialog, writes both
// options files from the table it holds and reads what it wrote; it also loads it after
// another file, as start-up loads the mod's file after the game's. What must hold for any
// input is checked after each step; a broken invariant aborts, so the input is kept.

namespace {

using Settings = std::map<std::string, std::string>;

const char* const kFailedLoad = "Document FAILED to load!";

// Members that are not written to the game options file, or are written but not read back
// as they were: the mod's own settings, the fixed texts (the reader stores its constant,
// whatever was written), and the stored markup, which is serialised again on the next read.
const std::set<std::string> kNotTextOfGameFile = {
    "FirstRun",         "DoIntro",       "WindowMode",      "ShowFPSRate",
    "XBoxMode",         "MipMapLODBias", "VideoResolution", "ThreatIndicatorEnabled",
    "DefaultMipMapping"};

void Check(bool holds, const char* invariant) {
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", invariant);
        std::abort();
    }
}

bool IsChatSlot(const std::string& name) {
    return name.rfind("ChatMsg[", 0) == 0;
}

// The element-text members of the game options file.
Settings GameTexts(const Settings& settings) {
    Settings texts;
    for (const auto& [name, value] : settings) {
        if (kNotTextOfGameFile.count(name) == 0 && !IsChatSlot(name)) {
            texts.emplace(name, value);
        }
    }
    return texts;
}

std::size_t ChatMessages(const Settings& settings) {
    return static_cast<std::size_t>(
        std::count_if(settings.begin(), settings.end(),
                      [](const auto& entry) { return IsChatSlot(entry.first); }));
}

std::size_t LineFeeds(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

std::size_t LineFeeds(std::initializer_list<const CString*> values) {
    std::size_t count = 0;
    for (const CString* value : values) {
        count += LineFeeds(value->Bytes());
    }
    return count;
}

// Every line ends with CR LF, the last one too, and the file has its fixed number of lines
// plus one for every line feed that the values written into it hold.
void CheckLines(const std::string& bytes, std::size_t lines, const char* invariant) {
    bool crlf = !bytes.empty() && bytes.back() == '\n';
    for (std::size_t at = bytes.find('\n'); at != std::string::npos;
         at = bytes.find('\n', at + 1)) {
        crlf = crlf && at > 0 && bytes[at - 1] == '\r';
    }
    Check(crlf && LineFeeds(bytes) == lines, invariant);
}

std::size_t GameValueLineFeeds(const CSettingsTable& table) {
    std::size_t count = 0;
    for (const auto& [name, value] : NonEmptySettings(table)) {
        if (name != "FirstRun" && name != "DoIntro" && name != "WindowMode" &&
            name != "ShowFPSRate") {
            count += LineFeeds(value);
        }
    }
    return count;
}

// Whether the characters of a written file read back as they were written. They do not when
// ANSI text beyond ASCII happens to make the whole file valid UTF-8, which is then read as such.
bool ReadsBackAsWritten(const std::string& bytes) {
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
    return ascii || !AfxIsValidUtf8(bytes);
}

const std::filesystem::path& Folder() {
    static const TempFolder folder;
    return folder.Path();
}

// A fresh dialog with its document object, as start-up makes them.
struct Loaded {
    Loaded() { Check(dlg.m_pXMLDoc.CreateInstance() == 0, "the document object is created"); }

    CLauncherDlg dlg;
    BOOL read = FALSE;
    std::vector<std::string> boxes; // shown by the last load
};

// Loads a file of these bytes into the dialog, after whatever it loaded before.
void Load(Loaded& loaded, const std::string& bytes, const char* name) {
    headless::Reset();
    const auto path = Folder() / name;
    WriteBytes(path, bytes);
    loaded.read = loaded.dlg.LoadOptionsDocument(CString(path.string()));
    loaded.boxes.clear();
    for (const auto& box : headless::MessageBoxes()) {
        loaded.boxes.push_back(box.text);
    }
}

// A carriage return in a value is written as it is, and every reader of XML turns it into a
// line feed.
bool HasCarriageReturn(const Settings& settings) {
    return std::any_of(settings.begin(), settings.end(), [](const auto& entry) {
        return entry.second.find('\r') != std::string::npos;
    });
}

// The number of levels of nodes from the root down, the root being the first.
int Depth(const CXmlNode& root) {
    int deepest = 0;
    std::vector<std::pair<CXmlNode, int>> pending{{root, 1}};
    while (!pending.empty()) {
        const auto [node, depth] = pending.back();
        pending.pop_back();
        deepest = std::max(deepest, depth);
        for (CXmlNode child = node.FirstChild(); child; child = child.NextSibling()) {
            pending.emplace_back(child, depth + 1);
        }
    }
    return deepest;
}

// The engine of this build refuses documents nested deeper than about 256 elements, which
// the system's own engine reads. Stored markup is written a level below the root's child, so
// markup from a document at that limit can come back one level too deep to be read.
constexpr int kNearTheDepthLimit = 250;

void CheckGameFile(const CSettingsTable& table, const Settings& settings, int depth) {
    const std::string game = GameOptionsText(table);
    CheckLines(game, 104 + GameValueLineFeeds(table), "game options: 104 lines and CR LF");
    if (depth >= kNearTheDepthLimit) {
        return;
    }

    Loaded back;
    Load(back, game, "options.xml");
    Check(back.read && back.boxes.empty(), "the written game options file loads");
    const Settings backSettings = NonEmptySettings(back.dlg);
    Check(back.dlg.m_strThreatIndicatorEnabled == "FALSE" && back.dlg.m_strXBoxMode == "FALSE" &&
              back.dlg.m_strDefaultMipMapping == "FALSE" &&
              back.dlg.m_strMipMapLODBias == "-0.500000",
          "fixed texts after reading the written file");
    Check(ChatMessages(backSettings) == ChatMessages(settings),
          "every chat message written reads back into a slot");
    Check(back.dlg.m_strVideoResolution.IsEmpty() == table.m_strVideoResolution.IsEmpty(),
          "the stored resolution reads back");
    if (ReadsBackAsWritten(game) && !HasCarriageReturn(settings)) {
        Check(GameTexts(backSettings) == GameTexts(settings),
              "the game options file reads back to the same texts");
    }

    // Only the first rewrite may change what it does not read as text: the fixed texts, and the
    // stored markup, which loses the context of the file it came from. From then on every
    // launch writes the same bytes.
    const std::string again = GameOptionsText(back.dlg);
    if (ReadsBackAsWritten(again)) {
        Loaded third;
        Load(third, again, "options.xml");
        Check(GameOptionsText(third.dlg) == again, "a second rewrite changes nothing");
    }
}

void CheckModFile(const CSettingsTable& table, const Settings& settings) {
    const std::string mod = ModOptionsText(table);
    CheckLines(mod,
               6 + LineFeeds({&table.m_strFirstRun, &table.m_strShowIntro, &table.m_strWindowMode,
                              &table.m_strShowFrameRate}),
               "mod options: 6 lines and CR LF");

    Loaded back;
    Load(back, mod, "vk_options.xml");
    Check(back.read && back.boxes.empty(), "the written mod options file loads");
    if (ReadsBackAsWritten(mod) && !HasCarriageReturn(settings)) {
        Settings expected;
        for (const auto& [name, value] : {std::pair{"FirstRun", &table.m_strFirstRun},
                                          {"DoIntro", &table.m_strShowIntro},
                                          {"WindowMode", &table.m_strWindowMode},
                                          {"ShowFPSRate", &table.m_strShowFrameRate}}) {
            if (!value->IsEmpty()) {
                expected.emplace(name, value->Bytes());
            }
        }
        Check(NonEmptySettings(back.dlg) == expected, "the mod options file reads back");
    }
}

// A game options file with a value in every kind of member, read before the input as start-up
// reads the game's file before the mod's.
const std::string kFirstFile =
    "<OptionsFile><ThreatIndicatorEnabled/><Gameplay><BloodOn>TRUE</BloodOn></Gameplay>"
    "<Graphics><VideoResolution Width=\"800\"/></Graphics><Multiplayer><ChatMsg>hi</ChatMsg>"
    "<ChatMsg>go</ChatMsg><IPAddress>1.2.3.4</IPAddress><IPAddress>5.6.7.8</IPAddress>"
    "</Multiplayer><PlayerName>Kestrel</PlayerName><FirstRun>TRUE</FirstRun></OptionsFile>";

// Read second, the input loads as it loads alone and every value it holds wins; when it does
// not load, the table stays as the first file left it.
void CheckReadSecond(const std::string& input, const Loaded& alone, const Settings& settings) {
    Loaded both;
    Load(both, kFirstFile, "options.xml");
    Check(both.read, "the first file loads");
    const Settings first = NonEmptySettings(both.dlg);
    Load(both, input, "vk_options.xml");
    Check(both.read == alone.read && both.boxes == alone.boxes,
          "read second, a file loads as it loads alone");
    const Settings after = NonEmptySettings(both.dlg);
    if (!alone.read) {
        Check(after == first, "a second file that does not load leaves the table as it was");
    }
    for (const auto& [name, value] : settings) {
        const auto found = after.find(name);
        Check(found != after.end() && found->second == value,
              "every value of the file read second wins");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    Loaded loaded;
    Load(loaded, input, "input.xml");
    const Settings settings = NonEmptySettings(loaded.dlg);
    if (loaded.read) {
        Check(loaded.boxes.empty(), "a document that loads shows no message");
    } else {
        Check(loaded.boxes == std::vector<std::string>{kFailedLoad},
              "a document that fails to load says so once");
        Check(settings.empty(), "a document that fails to load leaves the table empty");
    }
    CheckGameFile(loaded.dlg, settings, loaded.read ? Depth(loaded.dlg.m_pXMLRoot) : 0);
    CheckModFile(loaded.dlg, settings);
    CheckReadSecond(input, loaded, settings);
    return 0;
}
