// Stands in for the game in the end-to-end tests and the demo: it records how it was started and
// ends. It appends two lines to "ghostrecon-started.txt" beside itself: its command line exactly
// as it received it, and its working folder, each ended by CR LF. When a file named
// "show-command-line" lies beside it, it also shows its command line in a box until that is
// confirmed, so that whoever watches the demo sees the game start.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

std::string OwnFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string file(path, length < MAX_PATH ? length : 0);
    return file.substr(0, file.find_last_of('\\') + 1);
}

std::string WorkingFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, path);
    return std::string(path, length < MAX_PATH ? length : 0);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::string commandLine = GetCommandLineA();
    const std::string workingFolder = WorkingFolder();
    const std::string folder = OwnFolder();

    // Binary mode: the record holds exactly the bytes written here.
    const std::string record = commandLine + "\r\n" + workingFolder + "\r\n";
    if (const UniqueFile file{std::fopen((folder + "ghostrecon-started.txt").c_str(), "ab")}) {
        std::fwrite(record.data(), 1, record.size(), file.get());
    }

    if (GetFileAttributesA((folder + "show-command-line").c_str()) != INVALID_FILE_ATTRIBUTES) {
        const std::string text = "The game was started with the command line\n" + commandLine +
                                 "\n\nin the folder\n" + workingFolder;
        MessageBoxA(nullptr, text.c_str(), "Ghost Recon stand-in", MB_OK | MB_ICONINFORMATION);
    }
    return 0;
}
