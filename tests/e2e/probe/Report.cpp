#include "Report.h"

#include "IconMatch.h"
#include "Text.h"
#include "WindowTree.h"

namespace {

std::string Flag(bool on) {
    return on ? "1" : "0";
}

bool IsButton(HWND window) {
    return lstrcmpiW(ClassName(window).c_str(), L"Button") == 0;
}

bool IsStatic(HWND window) {
    return lstrcmpiW(ClassName(window).c_str(), L"Static") == 0;
}

bool IsPicture(HWND window, LONG_PTR type) {
    return IsStatic(window) && (GetWindowLongPtrW(window, GWL_STYLE) & SS_TYPEMASK) == type;
}

bool IsIconPicture(HWND window) {
    return IsPicture(window, SS_ICON) && SendMessageW(window, STM_GETICON, 0, 0) != 0;
}

// The text of a picture is the number of its image resource, nothing that a player reads.
std::wstring ShownText(HWND control) {
    return IsPicture(control, SS_BITMAP) || IsPicture(control, SS_ICON) ? std::wstring()
                                                                        : WindowText(control);
}

bool IsPushButton(HWND window) {
    const LONG_PTR type = GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK;
    return IsButton(window) && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

bool IsMessageText(HWND window) {
    return IsStatic(window) && !IsPicture(window, SS_BITMAP) && !IsPicture(window, SS_ICON) &&
           !WindowText(window).empty();
}

std::string CheckState(HWND control) {
    if (!IsButton(control)) {
        return "-";
    }
    return std::to_string(SendMessageW(control, BM_GETCHECK, 0, 0));
}

// Wine keeps the X window of every top-level window in this property.
std::string X11Window(HWND window) {
    const HANDLE x11 = GetPropW(window, L"__wine_x11_whole_window");
    return x11 ? " x11=" + Hex32(static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(x11)))
               : std::string();
}

} // namespace

std::string DescribeWindow(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    RECT rect = {};
    GetWindowRect(window, &rect);
    RECT client = {};
    GetClientRect(window, &client);
    POINT origin = {};
    ClientToScreen(window, &origin);
    return "window hwnd=" + Hex32(static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(window))) +
           " pid=" + std::to_string(processId) + " class=" + Quoted(ClassName(window)) +
           " visible=" + Flag(IsWindowVisible(window)) +
           " enabled=" + Flag(IsWindowEnabled(window)) +
           " foreground=" + Flag(GetForegroundWindow() == window) +
           " title=" + Quoted(WindowText(window)) +
           " style=" + Hex32(static_cast<unsigned long>(GetWindowLongPtrW(window, GWL_STYLE))) +
           " exstyle=" + Hex32(static_cast<unsigned long>(GetWindowLongPtrW(window, GWL_EXSTYLE))) +
           " rect=" + Coordinates(rect) + " client=" + std::to_string(client.right) + "x" +
           std::to_string(client.bottom) + " origin=" + std::to_string(origin.x) + "," +
           std::to_string(origin.y) + X11Window(window);
}

std::string DescribeControl(HWND control, HWND dialog) {
    return "control id=" + std::to_string(GetDlgCtrlID(control)) +
           " class=" + Utf8(ClassName(control)) + " visible=" + Flag(IsWindowVisible(control)) +
           " enabled=" + Flag(IsWindowEnabled(control)) + " check=" + CheckState(control) +
           " text=" + Quoted(ShownText(control)) +
           " style=" + Hex32(static_cast<unsigned long>(GetWindowLongPtrW(control, GWL_STYLE))) +
           " exstyle=" +
           Hex32(static_cast<unsigned long>(GetWindowLongPtrW(control, GWL_EXSTYLE))) +
           " rect=" + Coordinates(RectIn(control, dialog));
}

std::string DescribeFocus(HWND dialog) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
    if (!GetGUIThreadInfo(thread, &info) || !info.hwndFocus) {
        return "focus none";
    }
    return "focus id=" + std::to_string(GetDlgCtrlID(info.hwndFocus)) +
           " class=" + Utf8(ClassName(info.hwndFocus)) +
           " text=" + Quoted(WindowText(info.hwndFocus));
}

bool IsMessageBox(HWND window) {
    if (ClassName(window) != L"#32770") {
        return false;
    }
    bool hasMessage = false;
    for (HWND child : ChildWindows(window)) {
        if (!IsStatic(child) && !IsPushButton(child)) {
            return false;
        }
        hasMessage = hasMessage || IsMessageText(child);
    }
    return hasMessage;
}

std::string DescribeMessageBox(HWND box) {
    std::wstring message;
    std::wstring buttons;
    std::string icon = "none";
    for (HWND child : ChildWindows(box)) {
        if (!IsWindowVisible(child)) {
            continue;
        }
        if (IsIconPicture(child)) {
            icon = IdentifyIcon(child);
        } else if (IsMessageText(child) && message.empty()) {
            message = WindowText(child);
        } else if (IsPushButton(child)) {
            buttons += (buttons.empty() ? L"" : L",") + WindowText(child);
        }
    }
    return "msgbox caption=" + Quoted(WindowText(box)) + " text=" + Quoted(message) +
           " buttons=" + Quoted(buttons) + " icon=" + icon;
}
