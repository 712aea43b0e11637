#pragma once

#include "settings/SettingsTable.h"

#include <string>

// The game's "options.xml" as the launcher writes it from the settings table: 104 lines.
std::string GameOptionsText(const CSettingsTable& table);

// The mod's "vk_options.xml" as the launcher writes it from the settings table: 6 lines.
std::string ModOptionsText(const CSettingsTable& table);
