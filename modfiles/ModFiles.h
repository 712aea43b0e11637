#pragma once

#include "framework/AfxTypes.h"

#include <string>

// The game's "modsset.txt": the expansions found and the mod, as active mods.
std::string ModsSettingsText(BOOL bHasMP1, BOOL bHasMP2);

// The mod's "vk_unlockedheroes.xml": the same twelve heroes on every launch.
std::string UnlockedHeroesText();
