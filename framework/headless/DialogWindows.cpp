#include "framework/headless/Window.h"

namespace headless::detail {

namespace {

DWORD ButtonType(HWND window) {
    return window->style & kBsTypeMask;
}

} // namespace

bool IsButton(HWND window) {
    return window->className == "Button";
}

bool IsEdit(HWND window) {
    return window->className == "Edit";
}

bool IsPushButton(HWND window) {
    return IsButton(window) &&
           (ButtonType(window) == kBsPushButton || ButtonType(window) == kBsDefPushButton);
}

bool IsCheckable(HWND window) {
    if (!IsButton(window)) {
        return false;
    }
    const DWORD type = ButtonType(window);
    return type == kBsCheckBox || type == kBsAutoCheckBox || type == kBsRadioButton ||
           type == kBs3State || type == kBsAuto3State || type == kBsAutoRadioButton;
}

bool IsUsable(HWND window) {
    return (window->style & kWsVisible) != 0 && (window->style & kWsDisabled) == 0;
}

HWND FindControl(HWND dialog, int id) {
    for (const auto& child : dialog->children) {
        if (child->id == id) {
            return child.get();
        }
    }
    return nullptr;
}

LRESULT SendToDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (dialog->dialog->HandleMessage(message, wParam, lParam, &result)) {
        return result;
    }
    // The system's default processing of what the dialog left to it. Closing, whether from
    // the system menu, the close box or Alt+F4, reaches the dialog as the cancel command.
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == kScClose) {
        return SendToDialog(dialog, WM_COMMAND, IDCANCEL, 0);
    }
    return 0;
}

void MoveFocus(HWND dialog, HWND control) {
    if (dialog->focus == control) {
        return;
    }
    dialog->focus = control;
    if (IsEdit(control)) {
        const WPARAM command =
            (static_cast<WPARAM>(EN_SETFOCUS) << 16) | static_cast<WPARAM>(control->id & 0xFFFF);
        SendToDialog(dialog, WM_COMMAND, command, reinterpret_cast<LPARAM>(control));
    }
}

std::vector<HWND>& OpenDialogWindows() {
    static std::vector<HWND> open;
    return open;
}

} // namespace headless::detail
