// The least a Win32 dialog program does: one modal dialog from a template, closed by its button
// or Esc. Its start-up is the floor that the launcher's start-up is measured against.
#include <windows.h>

#include "MinimalDialog.h"

namespace {

INT_PTR CALLBACK MinimalDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(window, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MINIMAL_DIALOG), nullptr, MinimalDialogProc, 0);
    return 0;
}
