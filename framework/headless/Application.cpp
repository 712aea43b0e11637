#include "framework/WinApp.h"

#include "framework/headless/Machine.h"

void AfxEnableControlContainer() {
    headless::detail::TheMachine().controlContainerEnabled = true;
}

BOOL AfxOleInit() {
    headless::detail::TheMachine().events.push_back("oleinit");
    return TRUE;
}

HRESULT AfxCoInitialize() {
    headless::detail::TheMachine().events.push_back("coinit");
    return 0;
}

// The headless build stands in for the launcher's executable.
CString AfxGetModuleBaseName() {
    return "Velkan Launcher";
}
