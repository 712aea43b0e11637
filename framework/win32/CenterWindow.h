#pragma once

#include "framework/win32/Win32.h"

// Centres a window over its owner, or over the work area of its monitor when it has no
// owner or the owner cannot be seen, keeping it inside that work area.
void AfxCenterWindow(HWND hWnd);
