#include "tests/support/GameInstallation.h"

#include "framework/headless/Headless.h"

GameInstallation::GameInstallation() {
    headless::Reset();
    std::filesystem::create_directories(ModFolder());
    std::filesystem::create_directories(ModsFolder() / "MP1");
    std::filesystem::create_directories(ModsFolder() / "MP2");
    Register();
}

void GameInstallation::Register() const {
    headless::SetRegistryString(
        "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\GhostRecon.exe", "Path",
        RegisteredPath());
}

void GameInstallation::WriteGameOptions(const std::string& bytes) const {
    WriteBytes(GameFolder() / "options.xml", bytes);
}

void GameInstallation::WriteModOptions(const std::string& bytes) const {
    WriteBytes(ModFolder() / "vk_options.xml", bytes);
}
