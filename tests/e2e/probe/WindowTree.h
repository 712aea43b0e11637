#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The top-level windows of the desktop, topmost first.
std::vector<HWND> TopLevelWindows();

// The top-level windows whose caption is exactly the given text.
std::vector<HWND> WindowsTitled(const std::wstring& title);

// The direct children of a window in Z order, which for a dialog is the order of its template.
std::vector<HWND> ChildWindows(HWND parent);

// A window's rectangle in the client coordinates of another window.
RECT RectIn(HWND window, HWND reference);
