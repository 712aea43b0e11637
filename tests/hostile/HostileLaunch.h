#pragma once

#include "tests/support/GameInstallation.h"

#include <filesystem>
#include <map>
#include <string>
#include <sys/stat.h>
#include <vector>

// What the hostile input tests share: a launch as the player makes it, and what it leaves.

extern const char* const kFailedLoad;
extern const char* const kExpansionsMissing;
extern const char* const kAppPathsKey;
extern const std::string kGameOptions;
extern const std::string kModOptionsAfterFirstRun;

// Opens the launcher on the registered installation and presses Start.
void LaunchAndStart();

// The texts of the message boxes shown so far, in order.
std::vector<std::string> BoxTexts();
// Whether the launch went on to start the game.
bool GameStarted();
// The names of temporary files left in the game folder and the mod folder.
std::vector<std::string> TemporaryFiles(const GameInstallation& game);

// Whether the bytes are a whole options file as the launcher writes it: its first and last lines.
bool IsWholeGameOptions(const std::string& bytes);
bool IsWholeModOptions(const std::string& bytes);

// The game folder, its Mods folder with both expansions and the mod's folder, with both options
// files in place.
void InstallGame(const std::filesystem::path& folder, const std::string& gameOptions,
                 const std::string& modOptions);
// The status of a path; zeroed when there is nothing.
struct stat Status(const std::filesystem::path& path);

// Every entry under a folder by its relative path: a file's bytes, "<folder>" for a folder.
using Files = std::map<std::string, std::string>;
Files FilesIn(const std::filesystem::path& folder);

// The four files that a launch writes, by name: a file's bytes, "<folder>" for a folder and
// "<none>" when there is nothing.
Files FilesOf(const GameInstallation& game);
// Both options files and earlier versions of the mod's two files in the game folder.
void PrepareFiles(const GameInstallation& game);
// The four files as a launch without any trouble leaves them after PrepareFiles.
Files FilesAfterAPlainLaunch();
