#include "framework/WinApp.h"

#include "framework/headless/ResourceScript.h"
#include "framework/headless/Window.h"

#include <map>

BOOL CString::LoadString(UINT id) {
    const auto& strings = headless::detail::ProgramResources().strings;
    const auto found = strings.find(id);
    if (found == strings.end()) {
        Empty();
        return FALSE;
    }
    m_bytes = found->second;
    return TRUE;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    if (headless::detail::ProgramResources().icons.count(nIDResource) == 0) {
        return nullptr;
    }
    // Icons of the resources live as long as the program, as the system's shared icons do.
    static std::map<UINT, HICON__> icons;
    HICON__& icon = icons.try_emplace(nIDResource, HICON__{nIDResource}).first->second;
    return &icon;
}
