// Prints what a player sees on the desktop, one line per item, for the end-to-end tests:
//   velkan-probe windows                      every top-level window
//   velkan-probe dialog TITLE                 each window so titled, its controls and focus
//   velkan-probe msgbox TITLE                 each visible message box so titled
//   velkan-probe maprect TITLE L T R B...     dialog-unit rectangles of each such window
//                                               in its client pixels, one line each
//   velkan-probe syscommand TITLE ID          posts the system command ID (decimal) to each
//                                               visible window so titled, as its menu would
// The dialog manager sizes a control by mapping its width and height, not its right and bottom
// edges; to get a control's pixel size, pass the width and height as R and B.
// Exits with 0 when a window was found, 1 when none was, 2 on a wrong command line.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "DialogUnits.h"
#include "Report.h"
#include "Text.h"
#include "WindowTree.h"

namespace {

constexpr int kFound = 0;
constexpr int kNotFound = 1;
constexpr int kUsage = 2;

void PrintLine(const std::string& line) {
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
}

int ListWindows() {
    for (HWND window : TopLevelWindows()) {
        PrintLine(DescribeWindow(window));
    }
    return kFound;
}

int ReportDialogs(const std::wstring& title) {
    const auto windows = WindowsTitled(title);
    for (HWND window : windows) {
        PrintLine(DescribeWindow(window));
        for (HWND control : ChildWindows(window)) {
            PrintLine(DescribeControl(control, window));
        }
        PrintLine(DescribeFocus(window));
    }
    return windows.empty() ? kNotFound : kFound;
}

int ReportMessageBoxes(const std::wstring& title) {
    int result = kNotFound;
    for (HWND window : WindowsTitled(title)) {
        if (IsWindowVisible(window) && IsMessageBox(window)) {
            PrintLine(DescribeMessageBox(window));
            result = kFound;
        }
    }
    return result;
}

int ReportMappedRects(const std::wstring& title, wchar_t** units, int count) {
    int result = kNotFound;
    for (HWND window : WindowsTitled(title)) {
        for (int first = 0; first + 4 <= count; first += 4) {
            const RECT dialogUnits = {std::wcstol(units[first], nullptr, 10),
                                      std::wcstol(units[first + 1], nullptr, 10),
                                      std::wcstol(units[first + 2], nullptr, 10),
                                      std::wcstol(units[first + 3], nullptr, 10)};
            RECT pixels = dialogUnits;
            if (MapDialogUnits(window, pixels)) {
                PrintLine("maprect dlu=" + Coordinates(dialogUnits) +
                          " rect=" + Coordinates(pixels));
                result = kFound;
            }
        }
    }
    return result;
}

// Posted, not sent: the about box runs its own modal loop inside the handler, and a sent
// message would only return once the box had been closed.
int PostSystemCommand(const std::wstring& title, const wchar_t* command) {
    int result = kNotFound;
    for (HWND window : WindowsTitled(title)) {
        if (IsWindowVisible(window) &&
            PostMessageW(window, WM_SYSCOMMAND, std::wcstoul(command, nullptr, 10), 0)) {
            result = kFound;
        }
    }
    return result;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    // Shell scripts read the report: plain line feeds, no text-mode translation.
    _setmode(_fileno(stdout), _O_BINARY);
    const std::wstring command = argc > 1 ? argv[1] : L"";
    int result = kUsage;
    if (command == L"windows" && argc == 2) {
        result = ListWindows();
    } else if (command == L"dialog" && argc == 3) {
        result = ReportDialogs(argv[2]);
    } else if (command == L"msgbox" && argc == 3) {
        result = ReportMessageBoxes(argv[2]);
    } else if (command == L"maprect" && argc >= 7 && (argc - 3) % 4 == 0) {
        result = ReportMappedRects(argv[2], argv + 3, argc - 3);
    } else if (command == L"syscommand" && argc == 4) {
        result = PostSystemCommand(argv[2], argv[3]);
    } else {
        std::fputs("usage: velkan-probe windows | dialog TITLE | msgbox TITLE | "
                   "maprect TITLE LEFT TOP RIGHT BOTTOM... | syscommand TITLE ID\n",
                   stderr);
    }
    std::fflush(stdout);
    return result;
}
