#pragma once

#include "framework/WinApp.h"

// The program: runs the launcher dialog once and ends.
class CLauncherApp : public CWinApp {
public:
    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

extern CLauncherApp theApp;
