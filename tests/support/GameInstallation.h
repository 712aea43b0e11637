#pragma once

#include "tests/support/TempFolder.h"

#include <filesystem>
#include <string>

// A game installation in a temporary folder whose name has a blank in it, registered as
// the game's path in the simulated registry: the game folder, its Mods folder with both
// expansions, and the mod's folder.
class GameInstallation {
public:
    // The system's simulated state is reset first, so every installation starts on a fresh machine.
    GameInstallation();

    std::filesystem::path GameFolder() const { return m_root.Path() / "Ghost Recon"; }
    std::filesystem::path ModsFolder() const { return GameFolder() / "Mods"; }
    std::filesystem::path ModFolder() const { return ModsFolder() / "Velkan"; }

    // The registered path as the launcher sees it, without a trailing separator.
    std::string RegisteredPath() const { return GameFolder().string(); }
    // Registers the game folder again, after a test has reset the simulated system.
    void Register() const;

    void WriteGameOptions(const std::string& bytes) const;
    void WriteModOptions(const std::string& bytes) const;

private:
    TempFolder m_root;
};
