#include "framework/headless/Headless.h"

#include "framework/headless/Window.h"

namespace headless {

namespace {

using namespace detail;

WPARAM Command(int id, UINT code) {
    return (static_cast<WPARAM>(code) << 16) | static_cast<WPARAM>(id & 0xFFFF);
}

// The dialog's window while the user can work it: open, shown, not ended and not
// disabled by a dialog above it; null otherwise.
HWND UsableDialog(const CDialog& dialog) {
    const HWND window = dialog.GetSafeHwnd();
    return window != nullptr && !window->ended && IsUsable(window) ? window : nullptr;
}

HWND UsableControl(HWND dialog, int id) {
    const HWND control = dialog != nullptr ? FindControl(dialog, id) : nullptr;
    return control != nullptr && IsUsable(control) ? control : nullptr;
}

bool CanTakeFocus(HWND control) {
    return IsEdit(control) || (IsButton(control) && (control->style & kBsTypeMask) != kBsGroupBox);
}

void SendClicked(HWND dialog, HWND button) {
    SendToDialog(dialog, WM_COMMAND, Command(button->id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

// The next tab stop after the focused control, in template order and wrapping around.
HWND NextTabStop(HWND dialog) {
    const auto& children = dialog->children;
    std::size_t start = 0;
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (children[i].get() == dialog->focus) {
            start = i + 1;
        }
    }
    for (std::size_t step = 0; step < children.size(); ++step) {
        const HWND candidate = children[(start + step) % children.size()].get();
        if ((candidate->style & kWsTabStop) != 0 && IsUsable(candidate)) {
            return candidate;
        }
    }
    return nullptr;
}

HWND DefaultPushButton(HWND dialog) {
    for (const auto& child : dialog->children) {
        if (IsButton(child.get()) && (child->style & kBsTypeMask) == kBsDefPushButton) {
            return child.get();
        }
    }
    return nullptr;
}

void PressEnter(HWND dialog) {
    HWND button = dialog->focus;
    if (button == nullptr || !IsPushButton(button) || !IsUsable(button)) {
        button = DefaultPushButton(dialog);
    }
    if (button != nullptr && IsUsable(button)) {
        SendClicked(dialog, button);
    } else {
        SendToDialog(dialog, WM_COMMAND, Command(IDOK, BN_CLICKED), 0);
    }
}

} // namespace

void Click(CDialog& dialog, int id) {
    const HWND window = UsableDialog(dialog);
    const HWND control = UsableControl(window, id);
    if (control == nullptr || !CanTakeFocus(control)) {
        return;
    }
    MoveFocus(window, control);
    if (!IsButton(control)) {
        return;
    }
    if ((control->style & kBsTypeMask) == kBsAutoCheckBox) {
        control->check = (control->check & 1) != 0 ? 0 : 1;
    }
    SendClicked(window, control);
}

void Focus(CDialog& dialog, int id) {
    const HWND window = UsableDialog(dialog);
    const HWND control = UsableControl(window, id);
    if (control != nullptr && CanTakeFocus(control)) {
        MoveFocus(window, control);
    }
}

void Type(CDialog& dialog, const std::string& text) {
    const HWND window = UsableDialog(dialog);
    if (window == nullptr || window->focus == nullptr) {
        return;
    }
    const HWND box = window->focus;
    if (IsEdit(box) && IsUsable(box)) {
        box->text += text;
    }
}

void Press(CDialog& dialog, Key key) {
    const HWND window = UsableDialog(dialog);
    if (window == nullptr) {
        return;
    }
    switch (key) {
    case Key::Tab:
        if (const HWND next = NextTabStop(window)) {
            MoveFocus(window, next);
        }
        break;
    case Key::Enter:
        PressEnter(window);
        break;
    case Key::Escape:
        SendToDialog(window, WM_COMMAND, Command(IDCANCEL, BN_CLICKED), 0);
        break;
    }
}

void SysCommand(CDialog& dialog, UINT command) {
    if (const HWND window = UsableDialog(dialog)) {
        SendToDialog(window, WM_SYSCOMMAND, command, 0);
    }
}

void SetIconic(CDialog& dialog, bool iconic) {
    if (const HWND window = dialog.GetSafeHwnd()) {
        window->iconic = iconic;
    }
}

void SetClientSize(CDialog& dialog, int width, int height) {
    if (const HWND window = dialog.GetSafeHwnd()) {
        window->clientWidth = width;
        window->clientHeight = height;
    }
}

void Paint(CDialog& dialog) {
    if (const HWND window = dialog.GetSafeHwnd()) {
        SendToDialog(window, WM_PAINT, 0, 0);
    }
}

} // namespace headless
