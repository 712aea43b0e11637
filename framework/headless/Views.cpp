#include "framework/headless/Headless.h"

#include "framework/headless/Window.h"

#include <stdexcept>

namespace headless {

namespace {

using namespace detail;

ControlView ViewOf(HWND control) {
    return {control->id,
            control->className,
            control->text,
            control->style,
            control->exStyle,
            (control->style & kWsVisible) != 0,
            (control->style & kWsDisabled) == 0,
            control->check,
            control->rect.left,
            control->rect.top,
            control->rect.Width(),
            control->rect.Height()};
}

} // namespace

std::vector<ControlView> Controls(const CDialog& dialog) {
    std::vector<ControlView> views;
    if (const HWND window = dialog.GetSafeHwnd()) {
        for (const auto& child : window->children) {
            views.push_back(ViewOf(child.get()));
        }
    }
    return views;
}

ControlView Control(const CDialog& dialog, int id) {
    const HWND window = dialog.GetSafeHwnd();
    const HWND control = window != nullptr ? FindControl(window, id) : nullptr;
    if (control == nullptr) {
        throw std::out_of_range("no control " + std::to_string(id) + " in the dialog");
    }
    return ViewOf(control);
}

int FocusedId(const CDialog& dialog) {
    const HWND window = dialog.GetSafeHwnd();
    return window != nullptr && window->focus != nullptr ? window->focus->id : 0;
}

std::string Caption(const CDialog& dialog) {
    const HWND window = dialog.GetSafeHwnd();
    return window != nullptr ? window->text : std::string();
}

std::vector<MenuItem> SystemMenu(const CDialog& dialog) {
    const HWND window = dialog.GetSafeHwnd();
    return window != nullptr && window->systemMenu ? window->systemMenu->items
                                                   : std::vector<MenuItem>();
}

HICON BigIcon(const CDialog& dialog) {
    const HWND window = dialog.GetSafeHwnd();
    return window != nullptr ? window->bigIcon : nullptr;
}

HICON SmallIcon(const CDialog& dialog) {
    const HWND window = dialog.GetSafeHwnd();
    return window != nullptr ? window->smallIcon : nullptr;
}

bool IsEnded(const CDialog& dialog) {
    const HWND window = dialog.GetSafeHwnd();
    return window != nullptr && window->ended;
}

std::vector<CDialog*> OpenDialogs() {
    std::vector<CDialog*> dialogs;
    for (const HWND window : OpenDialogWindows()) {
        dialogs.push_back(window->dialog);
    }
    return dialogs;
}

} // namespace headless
