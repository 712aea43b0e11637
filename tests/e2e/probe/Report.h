#pragma once

#include <windows.h>

#include <string>

// One line for a top-level window:
// window hwnd=0x.. pid=N class="#32770" visible=1 enabled=1 foreground=1 title=".."
//        style=0x.. exstyle=0x.. rect=l,t,r,b client=WxH origin=x,y x11=0x..
// rect is in screen pixels, origin the client area's top left corner on the screen; x11 (the X
// window that shows it under Wine) only where known.
std::string DescribeWindow(HWND window);

// One line for a child control of a dialog:
// control id=1004 class=Button visible=0 enabled=1 check=0 text=".." style=0x.. exstyle=0x..
//         rect=l,t,r,b
// check is the button's check state, "-" for other classes; rect is in the dialog's client pixels.
std::string DescribeControl(HWND control, HWND dialog);

// The control that has the keyboard focus in the dialog's thread:
// focus id=1011 class=Button text="Start", or "focus none".
std::string DescribeFocus(HWND dialog);

// Whether a window is built like a message box: a dialog with a message and push buttons only.
bool IsMessageBox(HWND window);

// A message box as its reader sees it:
// msgbox caption=".." text=".." buttons="OK" icon=exclamation
// text is the message (the non-empty static text), buttons the push button texts in tab order,
// icon the system icon beside the message (see IdentifyIcon), or none.
std::string DescribeMessageBox(HWND box);
