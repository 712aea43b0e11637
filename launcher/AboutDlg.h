#pragma once

#include "framework/Dialog.h"

// The about box, opened from the launcher's system menu.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();

    DECLARE_MESSAGE_MAP()
};
