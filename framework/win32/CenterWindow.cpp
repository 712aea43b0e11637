#include "framework/win32/Win32.h"

#include "framework/win32/CenterWindow.h"

namespace {

// Where a window of that size starts when centred on [start, end), moved back into
// [areaStart, areaEnd) as far as it fits, its start first.
int Centred(int start, int end, int size, int areaStart, int areaEnd) {
    int position = start + (end - start - size) / 2;
    if (position + size > areaEnd) {
        position = areaEnd - size;
    }
    if (position < areaStart) {
        position = areaStart;
    }
    return position;
}

} // namespace

void AfxCenterWindow(HWND hWnd) {
    const HWND owner = ::GetWindow(hWnd, GW_OWNER); // not owned

    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoA(
        ::MonitorFromWindow(owner != nullptr ? owner : hWnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT area = monitor.rcWork;

    RECT around = area;
    if (owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
        ::GetWindowRect(owner, &around);
    }

    RECT window{};
    ::GetWindowRect(hWnd, &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int x = Centred(around.left, around.right, width, area.left, area.right);
    const int y = Centred(around.top, around.bottom, height, area.top, area.bottom);
    ::SetWindowPos(hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
