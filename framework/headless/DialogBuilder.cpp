#include "framework/headless/DialogBuilder.h"

#include <strings.h>

namespace headless::detail {

namespace {

// Dialog units in pixels for the dialogs' font, MS Sans Serif at 8 points: 6 by 13 pixels
// for 4 by 8 units.
constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 13;

int UnitsToPixelsX(int units) {
    return units * kBaseUnitX / 4;
}
int UnitsToPixelsY(int units) {
    return units * kBaseUnitY / 8;
}

// The name under which the system registers a class that a template names in any case.
std::string SystemClassName(const std::string& name) {
    for (const char* known : {"Button", "Static", "Edit"}) {
        if (strcasecmp(name.c_str(), known) == 0) {
            return known;
        }
    }
    return name;
}

void SetClientArea(HWND__& window) {
    window.clientWidth = UnitsToPixelsX(window.rect.Width());
    window.clientHeight = UnitsToPixelsY(window.rect.Height());
}

} // namespace

std::vector<MenuItem> DefaultSystemMenu() {
    return {{MF_STRING, 0xF010, "&Move"}, {MF_STRING, kScClose, "&Close\tAlt+F4"}};
}

std::unique_ptr<HWND__> BuildDialogWindow(const DialogTemplate& dialogTemplate, CDialog& dialog) {
    auto window = std::make_unique<HWND__>();
    window->className = "#32770";
    window->text = dialogTemplate.caption;
    // A dialog shows once its initialisation is over.
    window->style = dialogTemplate.style & ~kWsVisible;
    window->exStyle = dialogTemplate.exStyle;
    window->rect = dialogTemplate.rect;
    SetClientArea(*window);
    window->dialog = &dialog;
    if ((window->style & kWsSysMenu) != 0) {
        window->systemMenu = std::make_unique<HMENU__>(HMENU__{DefaultSystemMenu()});
    }
    for (const ControlTemplate& control : dialogTemplate.controls) {
        auto child = std::make_unique<HWND__>();
        child->parent = window.get();
        child->id = control.id;
        child->className = SystemClassName(control.className);
        child->text = control.text;
        child->style = control.style;
        child->exStyle = control.exStyle;
        child->rect = control.rect;
        SetClientArea(*child);
        window->children.push_back(std::move(child));
    }
    return window;
}

} // namespace headless::detail
