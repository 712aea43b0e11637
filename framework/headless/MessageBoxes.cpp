#include "framework/WinApp.h"

#include "framework/headless/Machine.h"
#include "framework/headless/Window.h"

namespace {

constexpr UINT kIconMask = 0x000000F0;

} // namespace

int headless::detail::ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type) {
    Machine& machine = TheMachine();
    machine.messageBoxes.push_back({owner, text, caption, type});
    machine.events.push_back(std::string("box: ") + text);
    return IDOK;
}

HWND headless::detail::ActiveWindow() {
    const auto& open = OpenDialogWindows();
    return open.empty() ? nullptr : open.back();
}

int AfxMessageBox(const char* text, UINT nType, UINT) {
    const CWinApp* app = AfxGetApp();
    const CString caption = app != nullptr ? app->m_strAppName : AfxGetModuleBaseName();
    const UINT type = (nType & kIconMask) == 0 ? nType | MB_ICONEXCLAMATION : nType;
    return headless::detail::ShowMessageBox(headless::detail::ActiveWindow(), text, caption, type);
}

int CWnd::MessageBox(const char* text, const char* caption, UINT nType) {
    return headless::detail::ShowMessageBox(m_hWnd, text, caption != nullptr ? caption : "Error",
                                            nType);
}
