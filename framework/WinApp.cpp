#include "framework/WinApp.h"

namespace {

CWinApp* theOnlyApp = nullptr; // not owned: the program's static application object

} // namespace

CWinApp::CWinApp(const char* appName)
    : m_strAppName(appName != nullptr ? CString(appName) : AfxGetModuleBaseName()) {
    theOnlyApp = this;
}

CWinApp::~CWinApp() {
    if (theOnlyApp == this) {
        theOnlyApp = nullptr;
    }
}

CWinApp* AfxGetApp() {
    return theOnlyApp;
}
