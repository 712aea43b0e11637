#pragma once

#include <windows.h>

// Converts a rectangle in dialog units of a dialog window into pixels, as MapDialogRect does.
// Returns false when the dialog units of the window cannot be found.
bool MapDialogUnits(HWND dialog, RECT& rect);
