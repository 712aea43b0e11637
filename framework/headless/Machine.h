#pragma once

#include "framework/headless/Headless.h"
#include "framework/headless/RegistryStore.h"

#include <deque>
#include <optional>

namespace headless::detail {

// The state of the simulated machine outside its windows; Reset replaces it whole.
struct Machine {
    RegistryStore registry;
    std::vector<MessageBoxRecord> messageBoxes;
    std::vector<ProcessStart> processStarts;
    std::vector<DWORD> sleeps;
    std::vector<std::string> events;
    std::vector<IconDraw> iconDraws;
    PaintCount paints{0, 0};
    bool controlContainerEnabled = false;
    std::deque<UserScript> userScripts;
    std::optional<HRESULT> createInstanceFailure;
    struct ReplaceFailure {
        int call;
        ReplaceStep step;
    };
    std::optional<ReplaceFailure> replaceFailure;
    int replaceCalls = 0;
};

Machine& TheMachine();

// Shows a box as the system would and records it; the user answers it with IDOK.
int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type);

// The window that owns what the program shows without naming an owner: the dialog opened last.
HWND ActiveWindow();

} // namespace headless::detail
