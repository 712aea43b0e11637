#include "framework/win32/Win32.h"

#include "framework/WinApp.h"
#include "framework/Wnd.h"

#include <string>

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIDResource));
}

int AfxMessageBox(const char* text, UINT nType, UINT) {
    HWND owner = ::GetActiveWindow(); // not owned
    CWinApp* app = AfxGetApp();
    if (owner == nullptr && app != nullptr && app->m_pMainWnd != nullptr) {
        owner = app->m_pMainWnd->GetSafeHwnd();
    }
    if ((nType & MB_ICONMASK) == 0) {
        nType |= MB_ICONEXCLAMATION;
    }
    return ::MessageBoxA(
        owner, text, app != nullptr ? static_cast<const char*>(app->m_strAppName) : nullptr, nType);
}

// Dialogs here hold the system's own controls only; hosting needs nothing beyond the system.
void AfxEnableControlContainer() {}

BOOL AfxOleInit() {
    return SUCCEEDED(::OleInitialize(nullptr)) ? TRUE : FALSE;
}

HRESULT AfxCoInitialize() {
    return ::CoInitialize(nullptr);
}

CString AfxGetModuleBaseName() {
    std::string path(MAX_PATH, '\0');
    DWORD length = 0;
    // A path that fills the buffer may have been cut short: try again with a larger one.
    while ((length = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(length);

    const std::size_t folderEnd = path.find_last_of("\\/");
    std::string name = folderEnd == std::string::npos ? path : path.substr(folderEnd + 1);
    const std::size_t extension = name.rfind('.');
    if (extension != std::string::npos) {
        name.resize(extension);
    }
    return CString(std::move(name));
}
