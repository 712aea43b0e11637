#pragma once

#include "framework/Dialog.h"
#include "framework/headless/Headless.h"

#include <memory>
#include <string>
#include <vector>

// A window's system menu.
struct HMENU__ {
    std::vector<headless::MenuItem> items;
};

// A simulated window: a dialog made from a template of the resource script, or one of its
// controls. Its style word is the truth about it, as on the system: WS_VISIBLE and
// WS_DISABLED say whether it shows and takes input.
struct HWND__ {
    HWND parent = nullptr; // not owned
    int id = 0;
    std::string className; // as the system names it: "Button", "Static", "Edit"
    std::string text;
    DWORD style = 0;
    DWORD exStyle = 0;
    int check = 0;
    CRect rect;          // in dialog units, in the parent's client area
    int clientWidth = 0; // pixels
    int clientHeight = 0;
    std::vector<std::unique_ptr<HWND__>> children; // in template order

    // Dialogs only.
    CDialog* dialog = nullptr; // not owned
    HWND focus = nullptr;      // not owned: one of the children
    std::unique_ptr<HMENU__> systemMenu;
    std::unique_ptr<CMenu> systemMenuObject;
    HICON bigIcon = nullptr; // not owned: the program's resources
    HICON smallIcon = nullptr;
    bool iconic = false;
    bool ended = false;
    INT_PTR result = 0;
};

// An icon of the program's resources; one object per icon id.
struct HICON__ {
    UINT resourceId;
};

// A painting in progress on a window.
struct HDC__ {
    HWND window; // not owned
};

namespace headless::detail {

constexpr DWORD kWsVisible = 0x10000000;
constexpr DWORD kWsDisabled = 0x08000000;
constexpr DWORD kWsSysMenu = 0x00080000;
constexpr DWORD kWsTabStop = 0x00010000;
constexpr DWORD kBsTypeMask = 0x0000000F;
constexpr DWORD kBsPushButton = 0;
constexpr DWORD kBsDefPushButton = 1;
constexpr DWORD kBsCheckBox = 2;
constexpr DWORD kBsAutoCheckBox = 3;
constexpr DWORD kBsRadioButton = 4;
constexpr DWORD kBs3State = 5;
constexpr DWORD kBsAuto3State = 6;
constexpr DWORD kBsGroupBox = 7;
constexpr DWORD kBsAutoRadioButton = 9;
constexpr UINT kScClose = 0xF060;

bool IsButton(HWND window);
bool IsEdit(HWND window);
// A push button, default or not; push-like check boxes are check boxes.
bool IsPushButton(HWND window);
bool IsCheckable(HWND window);
// Whether the user can reach it: visible and enabled.
bool IsUsable(HWND window);

// The control of that id among the dialog's children, or null.
HWND FindControl(HWND dialog, int id);

// Sends a message to a dialog: its handlers first, then the system's default processing.
LRESULT SendToDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Gives the focus to a control of the dialog; an edit box that gains it tells the dialog.
void MoveFocus(HWND dialog, HWND control);

// The dialogs whose modal run is going on, the first opened first.
std::vector<HWND>& OpenDialogWindows();

} // namespace headless::detail
