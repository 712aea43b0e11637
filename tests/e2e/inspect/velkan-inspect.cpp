// Prints what a player sees on the desktop, one line per item, for the end-to-end tests:
//   velkan-inspect windows                      every top-level window
//   velkan-inspect dialog TITLE                 each window so titled, its controls and focus
//   velkan-inspect msgbox TITLE                 each visible message box so titled
//   velkan-inspect maprect TITLE L T R B        a dialog-unit rectangle of each such window
//                                               in its client pixels
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

int ReportMappedRect(const std::wstring& title, wchar_t** units) {
    int result = kNotFound;
    for (HWND window : WindowsTitled(title)) {
        const RECT dialogUnits = {
            std::wcstol(units[0], nullptr, 10), std::wcstol(units[1], nullptr, 10),
            std::wcstol(units[2], nullptr, 10), std::wcstol(units[3], nullptr, 10)};
        RECT pixels = dialogUnits;
        if (MapDialogUnits(window, pixels)) {
            PrintLine("maprect dlu=" + Coordinates(dialogUnits) + " rect=" + Coordinates(pixels));
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
    } else if (command == L"maprect" && argc == 7) {
        result = ReportMappedRect(argv[2], argv + 3);
    } else {
        std::fputs("usage: velkan-inspect windows | dialog TITLE | msgbox TITLE | "
                   "maprect TITLE LEFT TOP RIGHT BOTTOM\n",
                   stderr);
    }
    std::fflush(stdout);
    return result;
}
