#pragma once

#include "framework/Wnd.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace headless::detail {

struct ControlTemplate {
    std::string text; // empty for a picture named by resource id
    int id = 0;
    std::string className; // as written in the script
    DWORD style = 0;
    DWORD exStyle = 0;
    CRect rect; // dialog units
};

struct DialogTemplate {
    CRect rect; // dialog units
    DWORD style = 0;
    DWORD exStyle = 0;
    std::string caption;
    std::vector<ControlTemplate> controls;
};

// What the headless build needs of a resource script: dialog templates, the string
// table and the ids of the icons.
struct ResourceScript {
    std::map<UINT, DialogTemplate> dialogs;
    std::map<UINT, std::string> strings;
    std::set<UINT> icons;
};

// Reads a resource script and the headers it includes with quotes (next to it); symbolic
// names come from their #defines and from the Win32 names the script uses. Throws
// std::runtime_error on anything it does not understand.
ResourceScript ParseResourceScript(const std::string& path);

// The program's own resource script, read at first use.
const ResourceScript& ProgramResources();

} // namespace headless::detail
