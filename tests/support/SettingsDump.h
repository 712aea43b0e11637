#pragma once

#include "settings/SettingsTable.h"

#include <map>
#include <string>

// Every member of the settings table that holds a text, by element name ("BloodOn",
// "IPAddress[3]"), so a test can state exactly what a read should leave behind.
std::map<std::string, std::string> NonEmptySettings(const CSettingsTable& table);
